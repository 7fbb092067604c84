# Strict warnings for the project's own targets; Qt's headers come in as system headers.
function(kov_strict target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /permissive-)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                 -Wsign-conversion -Wnon-virtual-dtor -Werror)
    endif()
endfunction()

option(KOV_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(KOV_SANITIZE AND NOT MSVC)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# A library's headers are included as "<folder>/name.h". Each library exports an include root
# that holds its own folder alone, so that nothing can reach a header it does not link.
function(kov_export_headers target)
    get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
    set(root "${CMAKE_CURRENT_BINARY_DIR}/include")
    file(MAKE_DIRECTORY "${root}")
    if(NOT EXISTS "${root}/${folder}")
        file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${folder}" RESULT linked SYMBOLIC)
        if(NOT linked EQUAL 0)
            # Windows without the right to make links: the build still works, only without the
            # check that a library includes nothing it does not link.
            message(WARNING "Cannot link ${root}/${folder} to its sources (${linked}); "
                            "${target} exports all of src/")
            set(root "${PROJECT_SOURCE_DIR}/src")
        endif()
    endif()
    target_include_directories(${target} PUBLIC "${root}")
endfunction()
