// Draws every picture the game ships with, plus the initial card file, into one folder:
//   kov_draw_assets <output folder>

#include "card_back.h"
#include "card_face.h"
#include "deck.h"
#include "glyphs.h"
#include "ico_file.h"
#include "icon_art.h"
#include "image_files.h"

#include <QDir>
#include <QGuiApplication>
#include <QRectF>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

namespace {

constexpr int faceQuality = 90;
constexpr int backQuality = 80;
constexpr int iconSizes[] = {16, 32, 48, 64, 128, 256};

void drawAll(const QDir& out) {
    using namespace kov::art;

    // Without a working font the faces would silently lose their values.
    if (textShape(QStringLiteral("0"), QRectF(0, 0, 10, 10)).isEmpty())
        throw std::runtime_error("no font can draw text; install DejaVu Sans");

    for (const std::string& code : faceCodes()) {
        const QString name = QString::fromStdString(code) + QStringLiteral(".jpg");
        writeFileBytes(out.filePath(name),
                       encodeBaselineJpeg(drawCardFace(code[0], code[1]), faceQuality));
    }
    writeFileBytes(out.filePath(QStringLiteral("cardback.jpg")),
                   encodeBaselineJpeg(drawCardBack(), backQuality));

    if (!out.mkpath(QStringLiteral("icon")))
        throw std::runtime_error("cannot make the icon folder");
    for (const int size : iconSizes) {
        writeFileBytes(out.filePath(QStringLiteral("icon/kov-%1.png").arg(size)),
                       encodePng(drawIcon(size)));
    }
    writeFileBytes(out.filePath(QStringLiteral("kov.ico")),
                   encodeVgaIcon({drawIcon(32, IconStyle::Vga16), drawIcon(16, IconStyle::Vga16)}));

    writeFileBytes(out.filePath(QStringLiteral("card.txt")), cardFileBytes(initialDeck()));
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: kov_draw_assets <output folder>\n");
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(out.path()));
        return 1;
    }
    try {
        drawAll(out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kov_draw_assets: %s\n", error.what());
        return 1;
    }
    return 0;
}
