# The players' languages besides English, the language the texts are written in. Each has its
# texts in translations/kov_<language>.ts, kept in the repository and compiled into the program
# (src/texts). `cmake --build build --target update_translations` brings the files up to date with
# the sources: a new text comes in unfinished, for a translator.
#
# Qt's own texts (its standard buttons) come from Qt's qtbase_<language>.qm: on Linux from
# Qt's folder when the program runs, on Windows from translations/ beside KOV.exe, which the
# Windows folder carries (cmake/Install.cmake).
set(KOV_LANGUAGES de fr es)

find_path(KOV_QT_TRANSLATIONS_DIR qtbase_de.qm
    HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}"
          "${QT_HOST_PATH}/share/qt6/translations"
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
    DOC "Qt's own translations (qtbase_<language>.qm) that the Windows folder carries")

set(KOV_TS_FILES "")
set(KOV_QT_TRANSLATION_FILES "")
foreach(language IN LISTS KOV_LANGUAGES)
    list(APPEND KOV_TS_FILES "${PROJECT_SOURCE_DIR}/translations/kov_${language}.ts")
    list(APPEND KOV_QT_TRANSLATION_FILES "${KOV_QT_TRANSLATIONS_DIR}/qtbase_${language}.qm")
endforeach()
if(WIN32 AND NOT KOV_QT_TRANSLATIONS_DIR)
    message(FATAL_ERROR "No qtbase_de.qm: Qt's translations (Debian's qt6-translations-l10n) "
                        "are needed for the Windows folder")
endif()
