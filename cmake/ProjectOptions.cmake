# Strict warnings for the project's own targets; Qt's headers come in as system headers.
function(kov_strict target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /permissive-)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                 -Wsign-conversion -Wnon-virtual-dtor -Werror)
    endif()
endfunction()

# The same program from any source and build folder: their names stay out of the debug information
# and so out of the build ID computed over it, which the stripped program keeps. The build folder
# is named last, so that it wins where it lies inside the source folder.
if(NOT MSVC)
    add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}=."
                        "-ffile-prefix-map=${PROJECT_BINARY_DIR}=build")
endif()

option(KOV_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(KOV_SANITIZE AND NOT MSVC)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
elseif(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    # Debian's hardening: checked buffer functions where the optimiser knows the sizes, and
    # every symbol bound at start so that the relocations can be made read-only.
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()

# A room's headers are included as "<folder>/name.h". Each room exports an include root that
# holds its own public headers alone, so that nothing can reach a header of a room it does not
# link. A private header ends in "_p.h": the room's own sources include it by its bare name, and
# it is never exported.
function(kov_export_headers target)
    get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
    set(root "${CMAKE_CURRENT_BINARY_DIR}/include")
    file(GLOB headers CONFIGURE_DEPENDS RELATIVE "${CMAKE_CURRENT_SOURCE_DIR}"
         "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    list(FILTER headers EXCLUDE REGEX "_p\\.h$")
    # An older build linked the whole folder here: remove the link, never what it points to.
    if(IS_SYMLINK "${root}/${folder}")
        file(REMOVE "${root}/${folder}")
    endif()
    file(REMOVE_RECURSE "${root}/${folder}")
    file(MAKE_DIRECTORY "${root}/${folder}")
    foreach(header ${headers})
        set(exported "${root}/${folder}/${header}")
        file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}/${header}" "${exported}" RESULT linked
             SYMBOLIC)
        if(NOT linked EQUAL 0)
            # Windows without the right to make links: a header that includes the real one.
            file(WRITE "${exported}" "#include \"${CMAKE_CURRENT_SOURCE_DIR}/${header}\"\n")
        endif()
    endforeach()
    target_include_directories(${target} PUBLIC "${root}")
    # The room's own folder, for itself alone: moc then names a header by its bare name instead of
    # by a path from the build folder back to the sources, which would differ between builds.
    # The generated files get a folder of their own, since a build made before keeps them written
    # the old way otherwise.
    target_include_directories(${target} PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
    set_target_properties(${target} PROPERTIES AUTOMOC_PATH_PREFIX ON
                          AUTOGEN_BUILD_DIR "${CMAKE_CURRENT_BINARY_DIR}/${target}_moc")
endfunction()
