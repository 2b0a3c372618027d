# Compiles make_catalogue, the one reader of programs.txt, with the build
# machine's compiler, when it is missing or older than its source. Included by
# CMakeLists.txt while configuring; demo.sh runs it as a script before any
# build, to read the catalogue:
#   cmake -D tool=PATH -D compiler=c++ -P catalogue/make_catalogue.cmake
set(DEMO_MAKE_CATALOGUE_SOURCE ${CMAKE_CURRENT_LIST_DIR}/make_catalogue.cpp)

function(compile_make_catalogue tool compiler)
    if(EXISTS ${tool} AND NOT ${DEMO_MAKE_CATALOGUE_SOURCE} IS_NEWER_THAN ${tool})
        return()
    endif()
    get_filename_component(folder ${tool} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    execute_process(COMMAND ${compiler} -std=c++20 -O2 -Wall -Wextra ${DEMO_MAKE_CATALOGUE_SOURCE} -o ${tool}
                    RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
    if(NOT status EQUAL 0)
        file(REMOVE ${tool})
        message(FATAL_ERROR "Compiling make_catalogue with ${compiler} failed:\n${log}")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    compile_make_catalogue(${tool} ${compiler})
endif()
