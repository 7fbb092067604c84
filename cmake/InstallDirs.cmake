# Where an install puts KOV, below the install prefix, in the standard layout (GNUInstallDirs):
#   <KOV_INSTALL_BINDIR>/kov          the executable
#   <KOV_INSTALL_DATADIR>/            card.txt and the card pictures
# On Debian the executable goes to games/ and the data to share/games/kov, as Debian's policy
# for games asks; elsewhere to bin/ and share/kov. The program finds its data from its own
# folder by the relative path between the two, so the same build runs under any prefix, and
# from the build's program folder or an unpacked archive, where card.txt lies beside it.
# On Windows everything stays in one folder: KOV.exe beside card.txt and the pictures.
include(GNUInstallDirs)

if(WIN32)
    set(KOV_DATA_FOLDER_FROM_PROGRAM ".")
    return()
endif()

if(EXISTS "/etc/debian_version")
    set(bindir "games")
    set(datadir "${CMAKE_INSTALL_DATADIR}/games/kov")
else()
    set(bindir "${CMAKE_INSTALL_BINDIR}")
    set(datadir "${CMAKE_INSTALL_DATADIR}/kov")
endif()
set(KOV_INSTALL_BINDIR "${bindir}" CACHE STRING
    "Folder of the executable, below the install prefix unless absolute")
set(KOV_INSTALL_DATADIR "${datadir}" CACHE STRING
    "Folder of card.txt and the card pictures, below the install prefix unless absolute")

foreach(dir BINDIR DATADIR)
    if(IS_ABSOLUTE "${KOV_INSTALL_${dir}}")
        set(full_${dir} "${KOV_INSTALL_${dir}}")
    else()
        set(full_${dir} "${CMAKE_INSTALL_PREFIX}/${KOV_INSTALL_${dir}}")
    endif()
endforeach()
file(RELATIVE_PATH KOV_DATA_FOLDER_FROM_PROGRAM "${full_BINDIR}" "${full_DATADIR}")
if(KOV_DATA_FOLDER_FROM_PROGRAM STREQUAL "")
    set(KOV_DATA_FOLDER_FROM_PROGRAM ".")
endif()
