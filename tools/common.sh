# Shared by demo.sh and test.sh: install what is missing, configure, build.

# Debian packages the programs, the gallery and the demo need.
DEMO_PACKAGES=(
    g++ make cmake pkg-config gzip
    freeglut3-dev libglu1-mesa-dev libgl-dev libgl1-mesa-dri
    xvfb libx11-dev libxtst-dev libpng-dev libwebp-dev
)
# And those only the tests need: GoogleTest, clang with its sanitizers and
# the symbolizer that names their reports' frames, the formatter, Debian's own
# checkers for the package, the manual pages and the menu entries, a
# window manager with a small X program to compare the programs' frames with,
# a Wayland compositor with its X server, and ccache, which keeps the
# passes' compiles from one run to the next.
TEST_PACKAGES=(
    libgtest-dev clang libclang-rt-dev llvm clang-format dpkg-dev file lintian man-db desktop-file-utils openbox x11-apps
    weston xwayland ccache
)
# And those the Windows programs need: the cross compiler, the tool that
# unpacks Debian's source package of the toolkit and the archive's keys that
# vouch for it; Wine and xvfb-run (in xvfb, with xauth) run them for the
# tests.
WINDOWS_PACKAGES=(
    g++ cmake make g++-mingw-w64-x86-64-posix dpkg-dev debian-archive-keyring
)
WINE_PACKAGES=(
    wine wine64 xvfb xauth icoutils
)
# And those the web pages need: Emscripten and binaryen's disassembler; for
# Mesa's build from Debian's source package, meson, ninja, mako, bison, flex
# and the tools that fetch and unpack source packages; node, which serves the
# pages, and the browsers the tests drive (npm installs the driver).
WEB_PACKAGES=(
    emscripten binaryen meson ninja-build python3-mako bison flex patch dpkg-dev debian-archive-keyring
    nodejs chromium firefox-esr
)

# install_web: the web packages, and npm where no npm is on the PATH (a
# node from elsewhere brings its own).
install_web() {
    install_missing "${WEB_PACKAGES[@]}" || return 1
    command -v npm >/dev/null || install_missing npm
}

# install_missing <package>...: installs the packages that are not installed
# yet, as root or through sudo. DEMO_SKIP_INSTALL=1 skips this step for those
# who provide the packages their own way.
install_missing() {
    if [ -n "${DEMO_SKIP_INSTALL:-}" ]; then
        return 0
    fi
    if ! command -v dpkg-query >/dev/null; then
        echo "Cannot check for the packages this needs (no dpkg-query): going on without installing." >&2
        echo "Set DEMO_SKIP_INSTALL=1 to skip this check." >&2
        return 0
    fi
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "These packages are missing, and there is neither root nor sudo to install them:" >&2
            echo "    apt-get install ${missing[*]}" >&2
            echo "Run that as root, or set DEMO_SKIP_INSTALL=1 if you provide them another way." >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# use_ccache: the builds configured from here on compile through ccache, if
# it is installed, with its cache where ccache keeps it (~/.cache/ccache), out
# of the tree, so that a fresh clone's builds take what an earlier run
# compiled. Paths in the tree reach the compiler relative to the build folder
# (the debug information's compile folder is then the first clone's), so a
# clone in another folder finds them too.
use_ccache() {
    command -v ccache >/dev/null || return 0
    export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true
}

# build <preset> [target...]: configures with a preset of CMakePresets.json
# (every time: it is quick, and it repairs a folder that an interrupted or
# failed configure left behind), then builds the targets, or everything.
build() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null || return 1
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build --preset "$preset" -j "$(nproc)" "${targets[@]}"
}

# windows_zip: builds the toolkit and the programs for Windows and packs
# them into a ZIP, whose path it prints last.
windows_zip() {
    quietly "Building the toolkit for Windows from Debian's source package..." \
        windows/toolkit.sh build-windows/toolkit || return 1
    quietly "Building the programs for Windows..." build windows || return 1
    local log status=0
    log=$(cd build-windows && cpack -G ZIP 2>&1) || status=$?
    if [ $status -ne 0 ]; then
        echo "$log" >&2
        return 1
    fi
    # CPack names the file it made: "CPack: - package: PATH generated."
    sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$log"
}

# web_site: builds the programs for web pages into build-web/site (laid out
# as docs/: the pages in web/), with the GL implementation that
# web/runtime.sh makes once per machine and highlight.js from npm. emcc runs
# JavaScript tools that find Debian's acorn through NODE_PATH.
web_site() {
    export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs
    node_packages || return 1
    local message="Building the programs for web pages..."
    [ -n "$(ls -A "${DEMO_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/glut-demos/web}" 2>/dev/null)" ] ||
        message="Building Mesa for web pages (once per machine, about 10 minutes on 2 cores) and the programs..."
    quietly "$message" build web
}

# published_pages_current: docs/web, as ./demo.sh --gallery published it, is
# what the web build makes from this tree. Modules made by another compiler
# or GL build (another Debian release's Emscripten, say) differ in their bytes,
# so there the pages and what they share are compared, and the modules not.
published_pages_current() {
    local built=build-web/site/web published=docs/web
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

# node_packages: the browser driver and what else package.json names, as its
# lock file says, unless they are there already.
node_packages() {
    [ node_modules/.package-lock.json -nt package-lock.json ] ||
        npm ci --no-audit --no-fund --loglevel=error
}

# browser_tests: the pages in Chromium and Firefox ESR, each frame compared
# with the one the release build's recorders draw with softpipe. One browser
# after the other: the second takes the first's native frames, and at once
# the two took longer than in turn (232 s against 197 s on 2 cores).
browser_tests() {
    node_packages || return 1
    DEMO_SITE="$PWD/build-web/site" DEMO_RECORDERS="$PWD/build/tools" \
        DEMO_MAKE_CATALOGUE="$PWD/build/catalogue/make_catalogue" DEMO_CATALOGUE="$PWD/catalogue/programs.txt" \
        node --test tests/web/browser_test.mjs
}

# quietly <message> <command...>: prints the message, runs the command with
# its output kept aside, and shows that output only if the command fails.
quietly() {
    local message=$1 log status=0
    shift
    log=$(mktemp)
    echo "$message"
    "$@" >"$log" 2>&1 || status=$?
    [ $status -ne 0 ] && cat "$log" >&2
    rm -f "$log"
    return $status
}

# Fails when a source file differs from what clang-format makes of it: every
# C++ file in the tree but the build folders, the npm packages and what is
# published in docs/.
check_format() {
    local files
    mapfile -t files < <(find . \( -path './build*' -o -path './.*' -o -path ./docs -o -name node_modules \) -prune \
        -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
    clang-format --dry-run --Werror "${files[@]}"
}
