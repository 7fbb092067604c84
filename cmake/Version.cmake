# The program's version has one home, project() above, and its maker and name have theirs here.
# From them come a header for the program (main.cpp, the About box), the Windows version
# resource (packaging/kov.rc.in) and the facts the Windows setup program states
# (packaging/windows/kov-setup.nsh.in).
set(KOV_COMPANY "Vantrel")
set(KOV_PRODUCT "KOV")
# The main window's title: the program's header, and the tests that find the window by it
# (KOV_WINDOW_TITLE in their environment).
set(KOV_WINDOW_TITLE "${KOV_COMPANY} ${KOV_PRODUCT} Beta")
set(KOV_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
# The resource writes the minor number with two digits: 1.0 is "1.00".
string(LENGTH "${PROJECT_VERSION_MINOR}" minor_digits)
if(minor_digits EQUAL 1)
    set(KOV_RESOURCE_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(KOV_RESOURCE_VERSION_TEXT "${KOV_VERSION_TEXT}")
endif()
set(KOV_RESOURCE_VERSION_NUMBERS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR}")
foreach(part PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
        string(APPEND KOV_RESOURCE_VERSION_NUMBERS ",0")
    else()
        string(APPEND KOV_RESOURCE_VERSION_NUMBERS ",${PROJECT_VERSION_${part}}")
    endif()
endforeach()

# The Windows packages: the .zip of the program folder, and <name>-setup.exe.
set(KOV_WINDOWS_PACKAGE "KOV-${PROJECT_VERSION}-win64")

set(KOV_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")
configure_file("${PROJECT_SOURCE_DIR}/src/version.h.in" "${KOV_GENERATED_DIR}/version.h" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/packaging/kov.rc.in" "${KOV_GENERATED_DIR}/kov.rc" @ONLY)
if(WIN32)
    string(REPLACE "," "." KOV_RESOURCE_VERSION_DOTTED "${KOV_RESOURCE_VERSION_NUMBERS}")
    configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/kov-setup.nsh.in"
                   "${KOV_GENERATED_DIR}/kov-setup.nsh" @ONLY)
endif()

add_library(kov_version INTERFACE)
target_include_directories(kov_version INTERFACE "${KOV_GENERATED_DIR}")

# The day this version was released, for the release notes software centres show.
set(KOV_RELEASE_DATE "2026-12-07")
