#include "ui/jpeg_picture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace kov {

namespace {

QString tooLarge() {
    return QStringLiteral("the file is larger than %1 MB").arg(largestPictureFile / (1024 * 1024));
}

struct FileBytes {
    QByteArray bytes;
    QString problem;
};

#ifdef _WIN32
FileBytes readBounded(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, QStringLiteral("no such file")};
    if (!info.isFile())
        return {{}, QStringLiteral("not a file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    QByteArray bytes = file.read(largestPictureFile + 1);
    if (bytes.size() > largestPictureFile)
        return {{}, tooLarge()};
    return {std::move(bytes), {}};
}
#else
QString systemError(int error) {
    return error == ENOENT ? QStringLiteral("no such file")
                           : QString::fromLocal8Bit(std::strerror(error));
}

// Opened without waiting (a FIFO would otherwise block until someone writes to it), and checked
// on the opened handle, so that what is read is what was checked.
FileBytes readBounded(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {{}, systemError(errno)};
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return {{}, systemError(errno)};
    if (!S_ISREG(status.st_mode))
        return {{}, QStringLiteral("not a file")};
    if (status.st_size > largestPictureFile)
        return {{}, tooLarge()};
    QByteArray bytes(static_cast<qsizetype>(status.st_size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t count =
            ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return {{}, systemError(errno)};
        if (count == 0)
            break;
        got += count;
        // The file grew while it was read: read on, up to the limit.
        if (got == bytes.size() && got <= largestPictureFile)
            bytes.resize(std::min<qsizetype>(2 * got, largestPictureFile + 1));
    }
    if (got > largestPictureFile)
        return {{}, tooLarge()};
    bytes.truncate(got);
    return {std::move(bytes), {}};
}
#endif

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

} // namespace

JpegPicture decodeJpeg(const QByteArray& bytes, QSize size) {
    if (!bytes.startsWith("\xFF\xD8\xFF"))
        return {{}, QStringLiteral("not a JPEG picture")};
    if (!bytes.contains("\xFF\xD9"))
        return {{}, QStringLiteral("not a complete JPEG picture")};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpg");
    reader.setScaledSize(size);
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
        return {{}, QStringLiteral("not a complete JPEG picture")};
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {std::move(image), {}};
}

JpegPicture readJpeg(const QString& path, QSize size) {
    FileBytes file = readBounded(path);
    if (!file.problem.isEmpty())
        return {{}, file.problem};
    return decodeJpeg(file.bytes, size);
}

} // namespace kov
