# cmake -D package=DIR -D out=DIR -P highlight.cmake: makes highlight.js's
# CommonJS core and its C++ grammar (from npm's package in DIR) into one
# script a page loads, which defines hljs, and copies the licence beside it;
# the pages' own style colours what it marks.
cmake_policy(VERSION 3.25)
file(READ ${package}/package.json manifest)
string(JSON version GET "${manifest}" version)
file(READ ${package}/lib/core.js core)
file(READ ${package}/lib/languages/cpp.js cpp)
file(WRITE ${out}/highlight.js
    "// highlight.js ${version} with its C++ grammar; BSD-3-Clause, see LICENSE in this folder.\n"
    "var hljs = (function () {\nvar module = { exports: {} };\n${core}\nreturn module.exports;\n})();\n"
    "hljs.registerLanguage('cpp', (function () {\nvar module = { exports: {} };\n${cpp}\nreturn module.exports;\n})());\n")
configure_file(${package}/LICENSE ${out}/LICENSE COPYONLY)
