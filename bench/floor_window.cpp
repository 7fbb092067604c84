// The least any Qt program can do to show a card: one 618 x 408 window with one JPEG read from
// the program's folder, decoded at the size it is shown (in device pixels) and copied where KOV
// draws Player One's first card. Arguments, in any order: a count of pictures, drawn at KOV's
// card places; "text", a label and a push button beside them, as any window with text has; and
// "write", the card file's 218 bytes written durably. With all three it does the work KOV's
// first frame cannot do without.
#include "startup_stamps.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

QImage readPicture(const QString& path, QSize shown, qreal ratio) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QBuffer bytes;
    bytes.setData(file.readAll());
    bytes.open(QIODevice::ReadOnly);
    QImageReader reader(&bytes, "jpg");
    reader.setScaledSize((QSizeF(shown) * ratio).toSize());
    QImage picture = reader.read();
    picture.setDevicePixelRatio(ratio);
    return picture;
}

// Where KOV shows card n: seven across the top, seven across the bottom, then the discard.
QRect cardPlace(int n) {
    if (n < 7)
        return QRect(88 * n, 0, 86, 129);
    if (n < 14)
        return QRect(88 * (n - 7), 260, 86, 129);
    return QRect(208, 130, 86, 129);
}

void writeDurably(const QString& folder) {
    const QByteArray target = QFile::encodeName(folder + QStringLiteral("/floor.txt"));
    const QByteArray temporary = target + ".new";
    const char bytes[218] = {};
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes, sizeof bytes) != static_cast<ssize_t>(sizeof bytes) ||
        ::fsync(fd) != 0 || ::close(fd) != 0 ||
        ::rename(temporary.constData(), target.constData()) != 0)
        std::exit(1);
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    ::fsync(dir);
    ::close(dir);
}

class FloorWindow : public QWidget {
public:
    FloorWindow(const QString& folder, int pictures, bool text) {
        setWindowTitle(QStringLiteral("KOV floor"));
        resize(618, 408);
        if (text) {
            auto* label = new QLabel(QStringLiteral("Player One Total"), this);
            label->setGeometry(432, 200, 105, 17);
            auto* button = new QPushButton(QStringLiteral("&New Game"), this);
            button->setGeometry(320, 152, 89, 33);
        }
        const qreal ratio = qApp->devicePixelRatio();
        QStringList files =
            QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
        files.removeAll(QStringLiteral("7R.jpg"));
        files.prepend(QStringLiteral("7R.jpg")); // the first card is the same in every variant
        for (int n = 0; n < pictures && n < files.size(); ++n)
            pictures_.push_back(readPicture(folder + QStringLiteral("/") + files[n],
                                            cardPlace(static_cast<int>(n)).size(), ratio));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (std::size_t n = 0; n < pictures_.size(); ++n)
            painter.drawImage(cardPlace(static_cast<int>(n)).topLeft(), pictures_[n]);
    }

private:
    std::vector<QImage> pictures_;
};

} // namespace

int main(int argc, char* argv[]) {
    kov::bench::stamp("main");
    QApplication app(argc, argv);
    kov::bench::stamp("app");
    int pictures = 1;
    bool write = false, text = false;
    for (int n = 1; n < argc; ++n) {
        if (std::strcmp(argv[n], "write") == 0)
            write = true;
        else if (std::strcmp(argv[n], "text") == 0)
            text = true;
        else
            pictures = std::atoi(argv[n]);
    }
    const QString folder = QCoreApplication::applicationDirPath();
    if (write)
        writeDurably(folder);
    FloorWindow window(folder, pictures, text);
    kov::bench::stamp("window");
    window.show();
    kov::bench::stamp("shown");
    kov::bench::FirstExpose expose(window.windowHandle());
    return QApplication::exec();
}
