# The AppStream metainfo that software centres read, written from
# packaging/com.vantrel.KOV.metainfo.xml.in with this version's release and the game's web
# addresses. Each address is named only when it is set; none is made up:
#   -DKOV_HOMEPAGE_URL=...    the game's web page (also the .deb's Homepage)
#   -DKOV_BUGTRACKER_URL=...  where players report faults
# Run as a script, it writes the metainfo the same way from the -D values it is given:
#   cmake -DKOV_METAINFO=<output> -DPROJECT_VERSION=... -DKOV_RELEASE_DATE=... -P Metainfo.cmake

set(KOV_METAINFO_TEMPLATE "${CMAKE_CURRENT_LIST_DIR}/../packaging/com.vantrel.KOV.metainfo.xml.in")

function(kov_write_metainfo output)
    set(KOV_METAINFO_URLS "")
    foreach(kind homepage bugtracker)
        string(TOUPPER "${kind}" variable)
        set(url "${KOV_${variable}_URL}")
        if(NOT url STREQUAL "")
            string(REPLACE "&" "&amp;" url "${url}")
            string(REPLACE "<" "&lt;" url "${url}")
            string(REPLACE ">" "&gt;" url "${url}")
            string(APPEND KOV_METAINFO_URLS "\n  <url type=\"${kind}\">${url}</url>")
        endif()
    endforeach()
    file(READ "${KOV_METAINFO_TEMPLATE}" text)
    string(CONFIGURE "${text}" text @ONLY)
    # The addresses' line of the template, left empty or holding one address a line.
    string(REGEX REPLACE "\n *\n" "\n" text "${text}")
    set(written "")
    if(EXISTS "${output}")
        file(READ "${output}" written)
    endif()
    # Rewritten only when it changes, so that a new configure does not reinstall it.
    if(NOT text STREQUAL written)
        file(WRITE "${output}" "${text}")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    kov_write_metainfo("${KOV_METAINFO}")
    return()
endif()

set(KOV_HOMEPAGE_URL "" CACHE STRING "The game's web page, told to software centres; none if empty")
set(KOV_BUGTRACKER_URL "" CACHE STRING
    "Where players report faults, told to software centres; none if empty")
set(KOV_METAINFO "${KOV_GENERATED_DIR}/com.vantrel.KOV.metainfo.xml")
kov_write_metainfo("${KOV_METAINFO}")
set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             "${KOV_METAINFO_TEMPLATE}")
