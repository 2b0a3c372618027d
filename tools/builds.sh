# Sourced by demo.sh and test.sh: the builds, each configured from a preset
# of CMakePresets.json, and the quiet running of a long step.

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

# node_packages: the browser driver and what else package.json names, as its
# lock file says, unless they are there already.
node_packages() {
    [ node_modules/.package-lock.json -nt package-lock.json ] ||
        npm ci --no-audit --no-fund --loglevel=error
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
