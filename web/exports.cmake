# cmake -D out=FILE -D modules="A.wasm;B.wasm" -P exports.cmake: writes the
# names the modules import from the runtime module (functions and data, not
# the memory and tables the loader hands every module, nor what a module
# imports of its own, as its position-independent code does) as the JSON
# list that emcc's EXPORTED_FUNCTIONS reads.
cmake_policy(VERSION 3.25)
find_program(disassembler wasm-dis REQUIRED)
set(names main)
foreach(module ${modules})
    execute_process(COMMAND ${disassembler} ${module} OUTPUT_VARIABLE text RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "wasm-dis cannot read ${module}")
    endif()
    string(REGEX MATCHALL "\\(export \"[^\"]+\"" exported "${text}")
    list(TRANSFORM exported REPLACE "^\\(export \"(.*)\"$" "\\1")
    string(REGEX MATCHALL "\\(import \"(env|GOT\\.mem|GOT\\.func)\" \"[^\"]+\"" imports "${text}")
    foreach(import ${imports})
        string(REGEX REPLACE ".* \"([^\"]+)\"$" "\\1" name "${import}")
        if(NOT name MATCHES "^(memory|__indirect_function_table|__memory_base|__table_base|__stack_pointer)$"
           AND NOT name IN_LIST exported)
            list(APPEND names ${name})
        endif()
    endforeach()
endforeach()
list(REMOVE_DUPLICATES names)
list(SORT names)
set(quoted)
foreach(name ${names})
    list(APPEND quoted "\"_${name}\"")
endforeach()
string(JOIN ", " json ${quoted})
file(WRITE ${out} "[${json}]\n")
