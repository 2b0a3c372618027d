# The site, laid out as docs/ is: in ${DEMO_WEB_PAGES} (site/web) a page per
# program and the index, a module per program, what the pages share, and in
# runtime/ the module every page loads (the GL implementation, the toolkit,
# the frame and the entry point), kept apart because it changes only with
# them; beside it, site/gallery holds the pictures the index shows.
set(site ${DEMO_WEB_PAGES})

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

# The page's calls into the toolkit (controls.cpp) are the executable's own:
# nothing calls them from C++, so from a library the linker would leave them out.
add_executable(glut_runtime ${PROJECT_SOURCE_DIR}/web/launcher.cpp ${PROJECT_SOURCE_DIR}/web/controls.cpp)
target_link_libraries(glut_runtime PRIVATE demo_frame GLUT::GLUT OpenGL::GLU OpenGL::GL)
add_dependencies(glut_runtime web_exports)
set_target_properties(glut_runtime PROPERTIES SUFFIX .js LINK_DEPENDS ${exports} RUNTIME_OUTPUT_DIRECTORY ${site}/runtime)
# No threads and a fixed memory: softpipe with its caches made as textures
# are bound stays within 64 MiB for every program. exit() ends the program:
# the page says so (run.js's onExit), and nothing more runs. Each start of
# a program is a fresh instance of the module (GlutRuntime(settings)), so a
# restart begins from the program's first state.
# Emscripten's own GL and GLUT in JavaScript stay out, so every GL call is
# Mesa's.
target_link_options(glut_runtime PRIVATE
    -sMAIN_MODULE=2 "-sEXPORTED_FUNCTIONS=@${exports}" -sAUTO_JS_LIBRARIES=0
    -sMODULARIZE=1 -sEXPORT_NAME=GlutRuntime
    "-sINCOMING_MODULE_JS_API=[arguments,canvas,dynamicLibraries,locateFile,onAbort,onExit,onRuntimeInitialized,print,printErr,thisProgram]"
    "-sEXPORTED_RUNTIME_METHODS=[]"
    -sEXIT_RUNTIME=1 -sINITIAL_MEMORY=64MB -sALLOW_MEMORY_GROWTH=0 -sTOTAL_STACK=1MB ${web_capture_link_options})

# The pages, made from the catalogue, each program's own source and the
# pages' templates (web/page.html, web/index.html), and what
# they share: the script that runs them, their style, and highlight.js (from
# npm, as package-lock.json pins it) with its C++ grammar for the source.
set(catalogue ${PROJECT_SOURCE_DIR}/catalogue/programs.txt)
set(pages)
foreach(name ${DEMO_CATALOGUE_PROGRAMS})
    add_custom_command(OUTPUT ${site}/${name}.html
        COMMAND ${DEMO_MAKE_CATALOGUE} ${catalogue} page ${name} ${site}/${name}.html
        DEPENDS ${catalogue} ${DEMO_MAKE_CATALOGUE} ${PROJECT_SOURCE_DIR}/web/page.html
                ${PROJECT_SOURCE_DIR}/${DEMO_FOLDER_${name}}/${name}.cpp
        COMMENT "Writing ${name}'s page" VERBATIM)
    list(APPEND pages ${site}/${name}.html)
    # The index shows the gallery's picture, or its film for a program that has one.
    foreach(picture ${name}.png ${name}.webp)
        if(EXISTS ${PROJECT_SOURCE_DIR}/docs/gallery/${picture})
            configure_file(${PROJECT_SOURCE_DIR}/docs/gallery/${picture} ${site}/../gallery/${picture} COPYONLY)
        endif()
    endforeach()
endforeach()
add_custom_command(OUTPUT ${site}/index.html
    COMMAND ${DEMO_MAKE_CATALOGUE} ${catalogue} index ${site}/index.html
    DEPENDS ${catalogue} ${DEMO_MAKE_CATALOGUE} ${PROJECT_SOURCE_DIR}/web/index.html
    COMMENT "Writing the pages' index" VERBATIM)

set(highlight ${PROJECT_SOURCE_DIR}/node_modules/highlight.js)
if(NOT EXISTS ${highlight}/lib/core.js)
    message(FATAL_ERROR "highlight.js is missing from node_modules: run npm ci at the top of the tree "
                        "(./demo.sh --web and ./test.sh do)")
endif()
add_custom_command(OUTPUT ${site}/highlight/highlight.js
    COMMAND ${CMAKE_COMMAND} -D package=${highlight} -D out=${site}/highlight -P ${PROJECT_SOURCE_DIR}/web/highlight.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/web/highlight.cmake ${highlight}/package.json
    COMMENT "Bundling highlight.js for the pages" VERBATIM)
add_custom_target(web_pages ALL DEPENDS ${pages} ${site}/index.html ${site}/highlight/highlight.js)

# What made the modules: the compiler and the GL implementation's build
# (its folder's name is the key of its sources, web/ and the compiler). A
# site made with the same says the same, and its modules are the same bytes.
execute_process(COMMAND ${CMAKE_C_COMPILER} --version OUTPUT_VARIABLE compiler)
string(REGEX REPLACE "\n.*" "" compiler "${compiler}")
get_filename_component(runtime_key ${DEMO_WEB_RUNTIME} NAME)
file(CONFIGURE OUTPUT ${site}/runtime/made-with.txt
     CONTENT "${compiler}\nGL implementation: web/runtime.sh's build ${runtime_key}\n")

# The page's script, a module per part of the page (page.js names them).
foreach(module page.js run.js input.js capture_view.js source.js)
    configure_file(${PROJECT_SOURCE_DIR}/web/${module} ${site}/${module} COPYONLY)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/web/page.css ${site}/page.css COPYONLY)
