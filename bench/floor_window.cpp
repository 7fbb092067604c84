// The least any Qt program can do to show a card: one 618 x 408 window with one JPEG read from
// the program's folder, decoded and drawn where KOV draws Player One's first card. Given a count
// and "write", it also does the rest of the work KOV's first frame cannot do without: that many
// pictures decoded and drawn at KOV's card places, and the card file's 218 bytes written
// durably.
#include "startup_stamps.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

QImage readPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QImage::fromData(file.readAll(), "JPG");
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
    FloorWindow(const QString& folder, int pictures) {
        setWindowTitle(QStringLiteral("KOV floor"));
        resize(618, 408);
        QStringList files =
            QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
        files.removeAll(QStringLiteral("7R.jpg"));
        files.prepend(QStringLiteral("7R.jpg")); // the first card is the same in every variant
        for (int n = 0; n < pictures && n < files.size(); ++n)
            pictures_.push_back(readPicture(folder + QStringLiteral("/") + files[n]));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (std::size_t n = 0; n < pictures_.size(); ++n)
            painter.drawImage(cardPlace(static_cast<int>(n)), pictures_[n]);
    }

private:
    std::vector<QImage> pictures_;
};

} // namespace

int main(int argc, char* argv[]) {
    kov::bench::stamp("main");
    QApplication app(argc, argv);
    kov::bench::stamp("app");
    const int pictures = argc > 1 ? std::atoi(argv[1]) : 1;
    const bool write = argc > 2 && std::strcmp(argv[2], "write") == 0;
    const QString folder = QCoreApplication::applicationDirPath();
    if (write)
        writeDurably(folder);
    FloorWindow window(folder, pictures);
    kov::bench::stamp("window");
    window.show();
    kov::bench::stamp("shown");
    kov::bench::FirstExpose expose(window.windowHandle());
    return QApplication::exec();
}
