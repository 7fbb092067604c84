#include "pictures/jpeg_picture.h"

#include "files/bounded_read.h"
#include "pictures/jpeg_layout.h"

#include <QBuffer>
#include <QImageReader>

namespace kov {

namespace {

// What a file cut short is told as, however it was found out.
QString incompletePicture() {
    return QStringLiteral("not a complete JPEG picture");
}

QString problemText(const FileBytes& file) {
    switch (*file.refusal) {
    case FileRefusal::Missing:
        return QStringLiteral("no such file");
    case FileRefusal::Folder:
    case FileRefusal::NotAFile:
        return QStringLiteral("not a file");
    case FileRefusal::TooLarge:
        return QStringLiteral("the file is larger than %1 MB")
            .arg(largestPictureFile / (1024 * 1024));
    case FileRefusal::LinkLoop:
    case FileRefusal::Unreadable:
        break;
    }
    return QString::fromLocal8Bit(file.error.message());
}

// Notes the decoder's warning that the data ran out before the picture was complete; Qt's JPEG
// decoder reports it only as a log message, so the message handler is taken over while one
// picture decodes. Every other message goes on to the handler it replaced.
class PrematureEndWatch {
public:
    PrematureEndWatch() : previous_(qInstallMessageHandler(&PrematureEndWatch::note)) {
        watching_ = this;
    }
    ~PrematureEndWatch() {
        watching_ = nullptr;
        qInstallMessageHandler(previous_);
    }
    PrematureEndWatch(const PrematureEndWatch&) = delete;
    PrematureEndWatch& operator=(const PrematureEndWatch&) = delete;

    [[nodiscard]] bool seen() const { return seen_; }

private:
    static void note(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!watching_)
            return;
        if (message.contains(QLatin1String("premature end"), Qt::CaseInsensitive)) {
            watching_->seen_ = true;
            return;
        }
        if (watching_->previous_)
            watching_->previous_(type, context, message);
    }

    // A message handler is a plain function: it finds the decode in progress here.
    static inline PrematureEndWatch* watching_ = nullptr;
    QtMessageHandler previous_;
    bool seen_ = false;
};

// Why the decoder is not given a picture whose markers ask more of it than any card needs.
QString layoutProblem(const JpegLayout& layout) {
    switch (layout.refusal) {
    case JpegRefusal::None:
        break;
    case JpegRefusal::TooManyPixels:
        return QStringLiteral("the picture declares %1 x %2 pixels, more than %3 million")
            .arg(layout.width)
            .arg(layout.height)
            .arg(mostDeclaredPixels / 1'000'000);
    case JpegRefusal::TooMuchMemory:
        return QStringLiteral(
                   "the picture declares %1 x %2 pixels, more than can be decoded in %3 MB")
            .arg(layout.width)
            .arg(layout.height)
            .arg(largestDecoderMemory / (1024 * 1024));
    case JpegRefusal::TooMuchWork:
        return QStringLiteral("the picture's scans decode more than %1 million blocks")
            .arg(mostBlocksDecoded / 1'000'000);
    case JpegRefusal::TooManySegments:
        return QStringLiteral("the picture is made of more than %1 marker segments")
            .arg(mostSegments);
    case JpegRefusal::TooManyScans:
        return QStringLiteral("the picture is made of more than %1 scans").arg(mostScans);
    case JpegRefusal::TooManyComponents:
        return QStringLiteral("the picture declares more than %1 components")
            .arg(mostFrameComponents);
    case JpegRefusal::TooManyScanComponents:
        return QStringLiteral("a scan of the picture names more than %1 components")
            .arg(mostScanComponents);
    case JpegRefusal::CutShort:
        return incompletePicture();
    }
    return {};
}

} // namespace

JpegPicture decodeJpeg(const QByteArray& bytes, QSize size) {
    if (!bytes.startsWith("\xFF\xD8\xFF"))
        return {{}, QStringLiteral("not a JPEG picture")};
    // The walk first: it stops at the first bound passed, where a search for the end marker
    // would read every byte.
    const JpegLayout layout =
        readJpegLayout(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (QString problem = layoutProblem(layout); !problem.isEmpty())
        return {{}, std::move(problem)};
    if (!bytes.contains("\xFF\xD9"))
        return {{}, incompletePicture()};
    const QSize decoded = decodedSize(layout, size);
    if (decoded.isEmpty())
        return {{}, QStringLiteral("the picture declares no pixels")};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpg");
    reader.setScaledSize(decoded);
    QImage image;
    bool cutShort = false;
    {
        const PrematureEndWatch watch;
        image = reader.read();
        cutShort = watch.seen();
    }
    if (image.isNull())
        return {{}, QStringLiteral("the picture cannot be decoded: %1").arg(reader.errorString())};
    if (cutShort)
        return {{}, incompletePicture()};
    if (image.size() != decoded)
        image = image.scaled(decoded, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {std::move(image), {}};
}

QSize decodedSize(const JpegLayout& layout, QSize size) {
    return size.boundedTo(QSize(layout.width, layout.height));
}

PictureFile readPictureFile(const std::filesystem::path& path) {
    FileBytes file =
        readFileBounded(path, static_cast<std::size_t>(largestPictureFile), PastTheBound::Refused);
    if (file.refusal)
        return {{}, problemText(file)};
    return {std::move(file.bytes), {}};
}

} // namespace kov
