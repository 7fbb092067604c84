#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace kov {

// The player's language: the first of the desktop's languages that KOV speaks, with Qt's own
// texts (its standard buttons) in the same language, installed on the application while this
// lives. English, the language the texts are written in, installs nothing, and so does a list
// that names English before any language KOV speaks.
class Translation {
public:
    // The languages the player asked the desktop for.
    Translation();
    explicit Translation(const QStringList& uiLanguages);
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

private:
    QTranslator texts_;
    QTranslator qtTexts_;
};

} // namespace kov
