# Writes the tests' table of programs (program_rows.inc) from each program's
# own row, as its recorder prints it, in the catalogue's order; the file is
# rewritten only when it changes.
#   cmake -D tools=DIR -D programs=a,b,... -D out=FILE -P program_rows.cmake
string(REPLACE "," ";" programs "${programs}")
set(rows "// Made from each program's own row by program_rows.cmake; do not edit.\n")
foreach(name ${programs})
    execute_process(COMMAND ${tools}/${name}_record --row RESULT_VARIABLE status OUTPUT_VARIABLE row)
    if(NOT status EQUAL 0 OR NOT row MATCHES "^{\"${name}\", ")
        message(FATAL_ERROR "${name}_record --row failed (${status}): ${row}")
    endif()
    string(APPEND rows "${row}")
endforeach()
file(WRITE ${out}.new "${rows}")
configure_file(${out}.new ${out} COPYONLY)
file(REMOVE ${out}.new)
