// Arbitrary bytes as a card picture: refused with a reason, or decoded at exactly the size
// decodedSize() promises from the frame the marker walk held to its bounds.
#include "fuzz_check.h"
#include "pictures/jpeg_layout.h"
#include "pictures/jpeg_picture.h"
#include "support/decoded_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <cstddef>
#include <cstdint>

using namespace kov;

namespace {

// The frame the decoder itself reads from the bytes.
QSize decodersOwnSize(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "jpg").size();
}

// Qt's warnings about damaged data would flood the fuzzer's output.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A larger file is refused unread.
    if (size > static_cast<std::size_t>(largestPictureFile))
        return 0;
    [[maybe_unused]] static const QtMessageHandler previous = qInstallMessageHandler(&quiet);
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const JpegLayout layout = readJpegLayout({bytes.constData(), size});
    const JpegPicture picture = decodeJpeg(bytes, test::slotPixels);
    if (!picture.problem.isEmpty()) {
        KOV_FUZZ_CHECK(picture.image.isNull());
        return 0;
    }
    // Shown: within every bound, at exactly the size promised, decoded from the frame walked.
    KOV_FUZZ_CHECK(layout.refusal == JpegRefusal::None);
    KOV_FUZZ_CHECK(!picture.image.isNull());
    KOV_FUZZ_CHECK(picture.image.size() == decodedSize(layout, test::slotPixels));
    KOV_FUZZ_CHECK(decodersOwnSize(bytes) == QSize(layout.width, layout.height));
    return 0;
}
