# What a distribution expects beside a program on Linux: the manual page in section 6, the
# licence in Debian's machine-readable format and a changelog, under <prefix>/share/man/man6 and
# <prefix>/share/doc/kov. The manual page and the changelog are compressed as Debian asks
# (gzip -9n: the smallest, with no name or time stamp inside, so the bytes depend on the text
# alone). The manual page names the data folder, so it is written when it is installed, once the
# prefix is known.

# The release's day as a changelog writes it, and as a time stamp for the packages when there
# is no commit to take one from (cmake/CPackOptions.cmake.in).
foreach(format "%a, %d %b %Y %H:%M:%S +0000" "%s")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -d "${KOV_RELEASE_DATE}"
                            "+${format}"
                    OUTPUT_VARIABLE day OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND days "${day}")
endforeach()
list(GET days 0 KOV_RELEASE_DATE_RFC2822)
list(GET days 1 KOV_RELEASE_EPOCH)

set(KOV_DOC_DIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/kov")
set(documents "${KOV_GENERATED_DIR}/documents")
# The data folder is filled in at install time.
set(KOV_INSTALLED_DATA_FOLDER "@KOV_INSTALLED_DATA_FOLDER@")
configure_file("${PROJECT_SOURCE_DIR}/packaging/kov.6.in" "${documents}/kov.6.in" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in" "${documents}/changelog"
               @ONLY)
if(IS_ABSOLUTE "${KOV_INSTALL_DATADIR}")
    set(data_folder "${KOV_INSTALL_DATADIR}")
else()
    set(data_folder "\${CMAKE_INSTALL_PREFIX}/${KOV_INSTALL_DATADIR}")
endif()
install(CODE "
    cmake_path(SET KOV_INSTALLED_DATA_FOLDER NORMALIZE \"${data_folder}\")
    configure_file(\"${documents}/kov.6.in\" \"${documents}/kov.6\" @ONLY)
    foreach(document kov.6 changelog)
        execute_process(COMMAND gzip -9n -c \"${documents}/\${document}\"
                        OUTPUT_FILE \"${documents}/\${document}.gz\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    " COMPONENT desktop)
install(FILES "${documents}/kov.6.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6"
        COMPONENT desktop)
install(FILES "${PROJECT_SOURCE_DIR}/packaging/debian/copyright" "${documents}/changelog.gz"
        DESTINATION "${KOV_DOC_DIR}" COMPONENT desktop)
