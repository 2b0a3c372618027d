#!/usr/bin/env bash
# The published pages are what any clone builds: the web tree built in a copy
# of the tree in a folder whose path has a space, without ccache, gives
# docs/web byte for byte (where docs/web's modules were made by the same
# compiler and GL build; by another, all but the modules). test.sh's own web
# build, through ccache, is compared with docs/web by its "docs/web is the web
# build's" pass, so the two ways of building give the same bytes.
# Usage: web_bytes_test.sh <source folder>
set -euo pipefail

source=$1
# Where docs/web's modules were made by another compiler or GL build than
# this tree's own web build, only the pages are compared, and those the
# "docs/web is the web build's" pass compares already: skipped (77).
if ! cmp -s "$source/build-web/site/web/runtime/made-with.txt" "$source/docs/web/runtime/made-with.txt"; then
    echo "docs/web's modules were made by another compiler or GL build than build-web's: nothing to compare"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy="$work/a folder with spaces/glut demos"
mkdir -p "$copy"
tar -C "$source" --exclude='./build*' --exclude=./.git --exclude=./node_modules --exclude=./docs/web -cf - . |
    tar -C "$copy" -xf -
# highlight.js, as npm installed it for the source tree.
ln -s "$source/node_modules" "$copy/node_modules"
export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs
cd "$copy"
if ! env -u CMAKE_C_COMPILER_LAUNCHER -u CMAKE_CXX_COMPILER_LAUNCHER cmake --preset web >"$work/configure.log" 2>&1 ||
    ! cmake --build --preset web -j "$(nproc)" >"$work/build.log" 2>&1; then
    echo "the web build without ccache failed:"
    tail -n 30 "$work/configure.log" "$work/build.log"
    exit 1
fi
grep -q ccache build-web/CMakeCache.txt && {
    echo "the copy's web build went through ccache"
    exit 1
}
source "$source/tools/test_passes.sh"
published_pages_current build-web/site/web "$source/docs/web" ||
    { echo "(the build without ccache was in \"$copy\")"; exit 1; }
echo "docs/web is what a build without ccache in \"$copy\" makes"
