# Installing KOV, and its packages: cpack -G TGZ and -G DEB on Linux, -G ZIP on Windows.
#
# On Linux an install follows the standard layout below any prefix (cmake/InstallDirs.cmake):
#   <prefix>/games/kov (bin/kov)              the executable
#   <prefix>/share/games/kov/ (share/kov/)    card.txt and the card pictures
#   <prefix>/share/applications, metainfo, icons/hicolor   the desktop entry, the AppStream
#                                             metainfo and the icons
#   <prefix>/share/man/man6/kov.6.gz          the manual page
#   <prefix>/share/doc/kov/                   the licence (copyright) and the changelog
# The .deb is built with the prefix /usr; the .tar.gz holds the program folder alone (the
# executable beside card.txt and the pictures), and on Windows the prefix is the program folder
# itself (KOV.exe beside the Qt runtime from windeployqt, or from cmake/WindowsRuntime.cmake in
# a cross-build).

set(KOV_APP_ID "com.vantrel.KOV")
if(WIN32)
    set(KOV_INSTALL_PROGRAM_DIR "." CACHE STRING "Program folder, relative to the install prefix")
endif()
# The Debian package's maintainer, also named in its changelog.
set(KOV_MAINTAINER "Vantrel <kov@vantrel.com>" CACHE STRING
    "Maintainer of the .deb, as Name <address>")

# The same pictures as in the build's program folder; the card back is built into the program.
file(GLOB KOV_INSTALL_PICTURES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/assets/*.jpg")
list(FILTER KOV_INSTALL_PICTURES EXCLUDE REGEX "cardback\\.jpg$")

# The shipped card.txt comes from assets/, never from the build's folder, where playing has
# already rewritten it.
function(kov_install_game bindir datadir component)
    install(TARGETS kov RUNTIME DESTINATION "${bindir}" COMPONENT ${component} ${ARGN})
    install(FILES "${PROJECT_SOURCE_DIR}/assets/card.txt" ${KOV_INSTALL_PICTURES}
            DESTINATION "${datadir}" COMPONENT ${component} ${ARGN})
endfunction()

if(WIN32)
    kov_install_game("${KOV_INSTALL_PROGRAM_DIR}" "${KOV_INSTALL_PROGRAM_DIR}" program)
else()
    kov_install_game("${KOV_INSTALL_BINDIR}" "${KOV_INSTALL_DATADIR}" program)
endif()

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
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/${KOV_APP_ID}.desktop"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/applications" COMPONENT desktop)
    install(FILES "${KOV_METAINFO}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo"
            COMPONENT desktop)
    # Named after the application's ID, as the desktop entry names it: software centres and
    # Wayland compositors find the icon by that ID.
    foreach(size 16 32 48 64 128 256)
        install(FILES "${PROJECT_SOURCE_DIR}/assets/icon/kov-${size}.png"
                DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
                RENAME ${KOV_APP_ID}.png
                COMPONENT desktop)
    endforeach()

    include("${CMAKE_CURRENT_LIST_DIR}/InstallDocs.cmake")

    # The program folder, at the top of the .tar.gz only; a plain install leaves it out.
    kov_install_game("." "." portable EXCLUDE_FROM_ALL)
endif()

set(CPACK_PACKAGE_NAME "kov")
set(CPACK_PACKAGE_VENDOR "${KOV_COMPANY}")
set(CPACK_PACKAGE_CONTACT "${KOV_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "KOV is a card game for two people who share one window and one mouse."
    "Match the card on the discard pile by colour or by value; the first"
    "total over 500 wins the match.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "KOV")
set(CPACK_STRIP_FILES ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
if(WIN32)
    set(CPACK_GENERATOR "ZIP")
    set(CPACK_PACKAGE_FILE_NAME "${KOV_WINDOWS_PACKAGE}")
else()
    set(CPACK_GENERATOR "TGZ;DEB")
    # Chosen per generator when cpack runs: the .tar.gz takes only the top-level program folder,
    # the .deb the standard layout under /usr. Every time stamp in a package is the last commit's
    # (or SOURCE_DATE_EPOCH's when the builder sets it), so that two builds of one commit give
    # the same bytes.
    set(KOV_SOURCE_DIR "${PROJECT_SOURCE_DIR}")
    configure_file("${CMAKE_CURRENT_LIST_DIR}/CPackOptions.cmake.in"
                   "${CMAKE_CURRENT_BINARY_DIR}/KovCPackOptions.cmake" @ONLY)
    set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_BINARY_DIR}/KovCPackOptions.cmake")
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KOV_MAINTAINER}")
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
