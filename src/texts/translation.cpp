#include "texts/translation.h"

#include "system/desktop_languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>

namespace kov {

namespace {

// Where the build puts each language's texts ("kov_de.qm").
QString textsOf(const QString& language) {
    return QStringLiteral(":/i18n/kov_%1.qm").arg(language);
}

QString spokenLanguage(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
            return {};
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English)
            return {};
        // A name Qt cannot read says nothing; the next one may.
        if (language == QLocale::C || language == QLocale::AnyLanguage)
            continue;
        const QString code = QLocale::languageToCode(language);
        if (QFile::exists(textsOf(code)))
            return code;
    }
    return {};
}

} // namespace

Translation::Translation() : Translation(desktopLanguages()) {}

Translation::Translation(const QStringList& uiLanguages) {
    const QString language = spokenLanguage(uiLanguages);
    if (language.isEmpty() || !texts_.load(textsOf(language)))
        return;
    QCoreApplication::installTranslator(&texts_);
    // Qt's own come with Qt on Linux, and in translations/ beside the program on Windows.
    const QString qtFile = QStringLiteral("qtbase_") + language;
    for (const QString& folder :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
          QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (qtTexts_.load(qtFile, folder)) {
            QCoreApplication::installTranslator(&qtTexts_);
            break;
        }
    }
}

} // namespace kov
