# Compiles make_catalogue, the one reader of programs.txt, with the build
# machine's compiler, when it is missing or older than any of its files.
# Included by CMakeLists.txt while configuring; demo.sh runs it as a script
# before any build, to read the catalogue:
#   cmake -D tool=PATH -D compiler=c++ -P catalogue/make_catalogue.cmake
# The library: the reader and its checks, the notation for input, and the
# writers; make_catalogue.cpp is the command line over it.
set(DEMO_CATALOGUE_SOURCES catalogue.cpp input.cpp sources.cpp text.cpp documents.cpp build_files.cpp site.cpp)
set(DEMO_CATALOGUE_HEADERS catalogue.h input.h text.h documents.h build_files.h site.h)
list(TRANSFORM DEMO_CATALOGUE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
list(TRANSFORM DEMO_CATALOGUE_HEADERS PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
set(DEMO_MAKE_CATALOGUE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/make_catalogue.cpp ${DEMO_CATALOGUE_SOURCES})

function(compile_make_catalogue tool compiler)
    set(stale TRUE)
    if(EXISTS ${tool})
        set(stale FALSE)
        foreach(file ${DEMO_MAKE_CATALOGUE_SOURCES} ${DEMO_CATALOGUE_HEADERS})
            if(${file} IS_NEWER_THAN ${tool})
                set(stale TRUE)
            endif()
        endforeach()
    endif()
    if(NOT stale)
        return()
    endif()
    get_filename_component(folder ${tool} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    execute_process(COMMAND ${compiler} -std=c++20 -O2 -Wall -Wextra ${DEMO_MAKE_CATALOGUE_SOURCES} -o ${tool}
                    RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
    if(NOT status EQUAL 0)
        file(REMOVE ${tool})
        message(FATAL_ERROR "Compiling make_catalogue with ${compiler} failed:\n${log}")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    compile_make_catalogue(${tool} ${compiler})
endif()
