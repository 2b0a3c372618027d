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
built=build-web/site/web published=$source/docs/web
if cmp -s "$built/runtime/made-with.txt" "$published/runtime/made-with.txt"; then
    differing=$(diff -rq "$published" "$built" || true)
else
    echo "docs/web's modules were made by another compiler or GL build: comparing all but the modules"
    differing=$(diff -rq -x runtime -x '*.wasm' "$published" "$built" || true)
fi
if [ -n "$differing" ]; then
    echo "$(grep -c . <<<"$differing") files differ between docs/web and a build without ccache in \"$copy\":"
    echo "$differing"
    exit 1
fi
echo "docs/web is what a build without ccache in \"$copy\" makes: 0 files differ"
