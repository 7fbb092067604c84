#include "texts/classic_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace kov {

namespace {

QString classicSansFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const QString& face : {QStringLiteral("MS Sans Serif"),
                                QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma")}) {
        if (installed.contains(face, Qt::CaseInsensitive))
            return face;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

} // namespace

QFont classicSansFont(const QFont& base, qreal points) {
    QFont font = base;
    font.setFamilies({classicSansFamily()});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace kov
