# Sourced by test.sh: the checks that are not ctest's, each a pass of its
# own: the formatting, the published pages, and the pages in the browsers.

# Fails when a source file differs from what clang-format makes of it: every
# C++ file in the tree but the build folders, the npm packages and what is
# published in docs/.
check_format() {
    local files
    mapfile -t files < <(find . \( -path './build*' -o -path './.*' -o -path ./docs -o -name node_modules \) -prune \
        -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
    clang-format --dry-run --Werror "${files[@]}"
}

# published_pages_current [built] [published]: docs/web (or `published`), as
# ./demo.sh --gallery published it, is what the web build makes from this tree
# (its site/web, or `built`). Modules made by another compiler or GL build
# (another Debian release's Emscripten, say) differ in their bytes, so there
# the pages and what they share are compared, and the modules not.
published_pages_current() {
    local built=${1:-build-web/site/web} published=${2:-docs/web}
    if cmp -s "$built/runtime/made-with.txt" "$published/runtime/made-with.txt"; then
        diff -r "$published" "$built" >&2
    else
        echo "docs/web's modules were made with: $(head -n 1 "$published/runtime/made-with.txt" 2>/dev/null)" \
            "(this build: $(head -n 1 "$built/runtime/made-with.txt")); comparing all but the modules" >&2
        diff -r -x runtime -x '*.wasm' "$published" "$built" >&2
    fi || {
        echo "docs/web differs from the web build: ./demo.sh --gallery remakes it" >&2
        return 1
    }
}

# browser_tests: the pages in Chromium and Firefox ESR (DEMO_BROWSERS names
# which), each frame compared with the one the release build's recorders
# draw with softpipe: the ctest test labelled web. One browser after the
# other: the second takes the first's native frames, and at once the two
# took longer than in turn (232 s against 197 s on 2 cores).
browser_tests() {
    node_packages || return 1
    ctest --preset web
}
