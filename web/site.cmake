# The site: the runtime module every page loads (the GL implementation, the
# toolkit, the frame and the entry point), a module per program, a page per
# program and the index, all in ${CMAKE_BINARY_DIR}/site.
set(site ${CMAKE_BINARY_DIR}/site)

# The runtime module keeps exactly what the programs' modules import from
# it, read from the modules themselves.
set(modules)
foreach(name ${DEMO_CATALOGUE_PROGRAMS})
    list(APPEND modules $<TARGET_FILE:${name}>)
endforeach()
set(exports ${CMAKE_CURRENT_BINARY_DIR}/web_exports.json)
add_custom_command(OUTPUT ${exports}
    COMMAND ${CMAKE_COMMAND} -D out=${exports} -D "modules=${modules}" -P ${PROJECT_SOURCE_DIR}/web/exports.cmake
    DEPENDS ${DEMO_CATALOGUE_PROGRAMS} ${PROJECT_SOURCE_DIR}/web/exports.cmake
    COMMENT "Reading what the programs' modules import" VERBATIM)
add_custom_target(web_exports DEPENDS ${exports})

add_executable(glut_runtime ${PROJECT_SOURCE_DIR}/web/launcher.cpp)
target_link_libraries(glut_runtime PRIVATE demo_frame GLUT::GLUT OpenGL::GLU OpenGL::GL)
add_dependencies(glut_runtime web_exports)
set_target_properties(glut_runtime PROPERTIES SUFFIX .js LINK_DEPENDS ${exports} RUNTIME_OUTPUT_DIRECTORY ${site})
# No threads and a fixed memory: softpipe with its caches made as textures
# are bound stays within 64 MiB for every program. exit() ends the program:
# the page says so (page.js's onExit), and nothing more runs.
# Emscripten's own GL and GLUT in JavaScript stay out, so every GL call is
# Mesa's.
target_link_options(glut_runtime PRIVATE
    -sMAIN_MODULE=2 "-sEXPORTED_FUNCTIONS=@${exports}" -sAUTO_JS_LIBRARIES=0
    "-sINCOMING_MODULE_JS_API=[arguments,canvas,dynamicLibraries,locateFile,onAbort,onExit,onRuntimeInitialized,print,printErr,thisProgram]"
    "-sEXPORTED_RUNTIME_METHODS=[]"
    -sEXIT_RUNTIME=1 -sINITIAL_MEMORY=64MB -sALLOW_MEMORY_GROWTH=0 -sTOTAL_STACK=1MB)

# The pages and what they share.
foreach(name ${DEMO_CATALOGUE_PROGRAMS})
    configure_file(${DEMO_CATALOGUE_OUT}/${name}.html ${site}/${name}.html COPYONLY)
endforeach()
configure_file(${DEMO_CATALOGUE_OUT}/index.html ${site}/index.html COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/web/page.js ${site}/page.js COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/web/page.css ${site}/page.css COPYONLY)
