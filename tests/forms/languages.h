#pragma once

#include <QStringList>
#include <QTest>

#include <array>

// A desktop language for each language KOV speaks, English first.
inline constexpr std::array<const char*, 4> desktopLanguages{"en-US", "de-DE", "fr-FR", "es-ES"};

// One row per language, for a test that installs kov::Translation with uiLanguages.
inline void addLanguageRows() {
    QTest::addColumn<QStringList>("uiLanguages");
    for (const char* language : desktopLanguages)
        QTest::newRow(language) << QStringList{QString::fromLatin1(language)};
}
