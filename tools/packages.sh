# Sourced by demo.sh, test.sh and tools/test_release.sh: the Debian packages
# each part of the suite needs, and their installation when missing.

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
# pages, and the browsers the tests drive (npm installs the driver);
# apitrace, which traces the native programs' calls that the pages' captures
# are held to.
WEB_PACKAGES=(
    emscripten binaryen meson ninja-build python3-mako bison flex patch dpkg-dev debian-archive-keyring
    nodejs chromium firefox-esr apitrace
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
    apt_get "${sudo[@]}" -- update -q || return 1
    apt_get "${sudo[@]}" -- install -y -q --no-install-recommends "${missing[@]}"
}

# apt_get [sudo] -- <apt-get argument>...: apt-get, waiting its turn while
# another package manager (an automatic update, another script's install)
# holds dpkg's lock or the package lists', for up to ten minutes, and saying
# so once. apt waits for dpkg's lock itself (DPkg::Lock::Timeout) but not
# for the lists' in an update, so a run refused for either is tried again.
apt_get() {
    local sudo=()
    while [ "$1" != -- ]; do
        sudo+=("$1")
        shift
    done
    shift
    local - errors status deadline=$((SECONDS + 600)) said=
    set +o pipefail # apt-get's status is read from PIPESTATUS
    errors=$(mktemp)
    for (( ; ; )); do
        # apt's own word that it waits, a line a second, is said once below.
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=10 "$@" 2>"$errors" |
            { grep --line-buffered -v '^Waiting for cache lock' || true; }
        status=${PIPESTATUS[0]}
        if [ $status -eq 0 ] || [ $SECONDS -ge $deadline ] ||
            ! grep -q '^E: \(Could not get lock\|Unable to acquire the dpkg frontend lock\)' "$errors"; then
            break
        fi
        if [ -z "$said" ]; then
            echo "Waiting for the package manager, which another program is using, for up to 10 minutes"
            said=yes
        fi
        sleep 2
    done
    cat "$errors" >&2
    rm -f "$errors"
    return $status
}
