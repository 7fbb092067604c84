# Installing KOV, and its packages: cpack -G TGZ and -G DEB on Linux, -G ZIP on Windows.
#
# The game looks for card.txt and the card pictures beside its executable, so they are always
# installed as one folder. On Linux the install prefix is treated as a file-system root:
#   <prefix>/opt/kov/           the program folder: kov, card.txt, the card pictures
#   <prefix>/usr/bin/kov        a relative symbolic link to ../../opt/kov/kov
#   <prefix>/usr/share/...      the desktop entry, the AppStream metainfo and the icons
# The .deb is built with the prefix "/", the .tar.gz holds the program folder alone, and on
# Windows the prefix is the program folder itself (KOV.exe beside the Qt runtime from
# windeployqt, or from cmake/WindowsRuntime.cmake in a cross-build).

set(KOV_APP_ID "com.vantrel.KOV")
if(WIN32)
    set(KOV_INSTALL_PROGRAM_DIR "." CACHE STRING "Program folder, relative to the install prefix")
else()
    set(KOV_INSTALL_PROGRAM_DIR "opt/kov" CACHE STRING
        "Program folder, relative to the install prefix (which stands for the file-system root)")
endif()

# The same pictures as in the build's program folder; the card back is built into the program.
file(GLOB KOV_INSTALL_PICTURES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/assets/*.jpg")
list(FILTER KOV_INSTALL_PICTURES EXCLUDE REGEX "cardback\\.jpg$")

# The shipped card.txt comes from assets/, never from the build's folder, where playing has
# already rewritten it.
function(kov_install_program_folder destination component)
    install(TARGETS kov RUNTIME DESTINATION "${destination}" COMPONENT ${component} ${ARGN})
    install(FILES "${PROJECT_SOURCE_DIR}/assets/card.txt" ${KOV_INSTALL_PICTURES}
            DESTINATION "${destination}" COMPONENT ${component} ${ARGN})
endfunction()

kov_install_program_folder("${KOV_INSTALL_PROGRAM_DIR}" program)

if(WIN32)
    # kov.rc names kov.ico, which the resource compiler finds through the include path.
    enable_language(RC)
    target_sources(kov PRIVATE "${KOV_GENERATED_DIR}/kov.rc")
    target_include_directories(kov PRIVATE "${PROJECT_SOURCE_DIR}/assets")

    # Qt's own texts (its standard buttons) in the players' languages, where KOV looks for them.
    install(FILES ${KOV_QT_TRANSLATION_FILES} DESTINATION "${KOV_INSTALL_PROGRAM_DIR}/translations"
            COMPONENT program)

    # The Qt DLLs and plugins go beside KOV.exe, so that the folder runs on any Windows machine.
    if(TARGET Qt6::windeployqt)
        set(KOV_WINDEPLOYQT "$<TARGET_FILE:Qt6::windeployqt>")
    else()
        find_program(KOV_WINDEPLOYQT windeployqt HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
    endif()
    if(KOV_WINDEPLOYQT)
        install(CODE "execute_process(COMMAND \"${KOV_WINDEPLOYQT}\" --no-translations
                          \"\${CMAKE_INSTALL_PREFIX}/${KOV_INSTALL_PROGRAM_DIR}/KOV.exe\"
                          COMMAND_ERROR_IS_FATAL ANY)"
                COMPONENT program)
    else()
        include("${CMAKE_CURRENT_LIST_DIR}/WindowsRuntime.cmake")
        kov_install_windows_runtime("${KOV_INSTALL_PROGRAM_DIR}" program)
    endif()
else()
    # Qt finds the program folder through /proc/self/exe, so a symbolic link is launcher enough.
    file(RELATIVE_PATH KOV_LAUNCHER_TARGET "/usr/bin" "/${KOV_INSTALL_PROGRAM_DIR}/kov")
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/usr/bin/kov\")
        message(STATUS \"Installing: \${link} -> ${KOV_LAUNCHER_TARGET}\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/usr/bin\")
        file(CREATE_LINK \"${KOV_LAUNCHER_TARGET}\" \"\${link}\" SYMBOLIC)
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")
        " COMPONENT desktop)

    install(FILES "${PROJECT_SOURCE_DIR}/packaging/${KOV_APP_ID}.desktop"
            DESTINATION usr/share/applications COMPONENT desktop)
    install(FILES "${KOV_METAINFO}" DESTINATION usr/share/metainfo COMPONENT desktop)
    # Named after the application's ID, as the desktop entry names it: software centres and
    # Wayland compositors find the icon by that ID.
    foreach(size 16 32 48 64 128 256)
        install(FILES "${PROJECT_SOURCE_DIR}/assets/icon/kov-${size}.png"
                DESTINATION "usr/share/icons/hicolor/${size}x${size}/apps" RENAME ${KOV_APP_ID}.png
                COMPONENT desktop)
    endforeach()

    # The same folder again, at the top of the .tar.gz only; a plain install leaves it out.
    kov_install_program_folder("." portable EXCLUDE_FROM_ALL)
endif()

set(CPACK_PACKAGE_NAME "kov")
set(CPACK_PACKAGE_VENDOR "${KOV_COMPANY}")
set(CPACK_PACKAGE_CONTACT "${KOV_COMPANY}" CACHE STRING "Maintainer named in the .deb")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "KOV is a card game for two people who share one window and one mouse."
    "Match the card on the discard pile by colour or by value; the first"
    "total over 500 wins the match.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "KOV")
set(CPACK_PACKAGING_INSTALL_PREFIX "/")
set(CPACK_STRIP_FILES ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
if(WIN32)
    set(CPACK_GENERATOR "ZIP")
    set(CPACK_PACKAGE_FILE_NAME "${KOV_WINDOWS_PACKAGE}")
else()
    set(CPACK_GENERATOR "TGZ;DEB")
    # Chosen per generator when cpack runs: the .tar.gz takes only the top-level program folder.
    set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_BINARY_DIR}/KovCPackOptions.cmake")
    file(WRITE "${CPACK_PROJECT_CONFIG_FILE}" [[
if(CPACK_GENERATOR STREQUAL "TGZ")
    set(CPACK_COMPONENTS_ALL portable)
endif()
]])
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Qt libraries come from dpkg-shlibdeps; the platform plugins are loaded, not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Without qt6-wayland, Qt in a Wayland session falls back to X11 through XWayland; without
# qt6-translations-l10n, Qt's own buttons stay English in a German, French or Spanish KOV.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
if(NOT KOV_HOMEPAGE_URL STREQUAL "")
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KOV_HOMEPAGE_URL}")
endif()

include(CPack)
