#include "system/desktop_languages.h"

#include <QtGlobal>

namespace kov {

namespace {

// "de_DE.UTF-8@euro" is the language de_DE.
QString withoutEncoding(QString locale) {
    for (QChar end : {QLatin1Char('.'), QLatin1Char('@')})
        locale.truncate(locale.indexOf(end) < 0 ? locale.size() : locale.indexOf(end));
    return locale;
}

} // namespace

QStringList desktopLanguages() {
    QStringList languages;
    for (const QString& name : qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':')))
        languages << withoutEncoding(name);
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const QString locale = qEnvironmentVariable(variable); !locale.isEmpty()) {
            languages << withoutEncoding(locale);
            break;
        }
    }
    languages.removeAll(QString());
    return languages.isEmpty() ? QStringList{QStringLiteral("C")} : languages;
}

} // namespace kov
