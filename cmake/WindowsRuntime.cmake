# What windeployqt would copy beside KOV.exe, for builds that have no windeployqt (in Qt 6.4 it
# is a Windows program, so a cross-build from Linux lacks it): the Qt DLLs, the platform, JPEG
# and style plugins, and the compiler's runtime DLLs. Stripped when the install strips
# (cmake --install --strip, or CPack), which more than halves the folder.

# The compiler's runtime DLLs (libstdc++, libgcc, winpthread), where the compiler finds them.
function(kov_compiler_runtime_dlls variable)
    set(dlls)
    foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${runtime}
                        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(IS_ABSOLUTE "${found}" AND EXISTS "${found}")
            file(REAL_PATH "${found}" found)
            list(APPEND dlls "${found}")
        endif()
    endforeach()
    set(${variable} ${dlls} PARENT_SCOPE)
endfunction()

function(kov_install_windows_runtime destination component)
    kov_compiler_runtime_dlls(dlls)
    list(APPEND dlls "$<TARGET_FILE:Qt6::Core>" "$<TARGET_FILE:Qt6::Gui>" "$<TARGET_FILE:Qt6::Widgets>")
    install(FILES ${dlls} DESTINATION "${destination}" COMPONENT ${component})
    install(FILES "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>"
            DESTINATION "${destination}/platforms" COMPONENT ${component})
    install(FILES "$<TARGET_FILE:Qt6::QJpegPlugin>"
            DESTINATION "${destination}/imageformats" COMPONENT ${component})
    install(FILES "$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>"
            DESTINATION "${destination}/styles" COMPONENT ${component})

    if(CMAKE_STRIP)
        install(CODE "
            if(CMAKE_INSTALL_DO_STRIP)
                file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}/*.dll\")
                foreach(dll IN LISTS dlls)
                    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\"
                                    COMMAND_ERROR_IS_FATAL ANY)
                endforeach()
            endif()" COMPONENT ${component})
    endif()
endfunction()
