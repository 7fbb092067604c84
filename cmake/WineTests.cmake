# The Windows build's tests run under Wine on the build machine (scripts/windows): ctest starts
# each test program through tests/windows/wine_run.sh, which finds the Qt and compiler DLLs
# where the build found them. Every test here carries the label "windows".
include("${CMAKE_CURRENT_LIST_DIR}/WindowsRuntime.cmake")

set(KOV_WINE_PREFIX "${PROJECT_SOURCE_DIR}/.cache/wine" CACHE PATH
    "Wine prefix that runs the Windows build's tests, made on first use")
kov_compiler_runtime_dlls(runtime_dlls)
set(dll_folders "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
foreach(dll IN LISTS runtime_dlls)
    get_filename_component(folder "${dll}" DIRECTORY)
    list(APPEND dll_folders "${folder}")
endforeach()
list(REMOVE_DUPLICATES dll_folders)
string(REPLACE ";" ":" dll_folders "${dll_folders}")
set(CMAKE_CROSSCOMPILING_EMULATOR bash "${PROJECT_SOURCE_DIR}/tests/windows/wine_run.sh"
    "${KOV_WINE_PREFIX}" "${dll_folders}")
set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY LABELS windows)
