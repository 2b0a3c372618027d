# Shared by demo.sh and test.sh: install what is missing, then build.

# Debian packages the suite needs to build, run and test.
PACKAGES=(
    g++ make cmake pkg-config dpkg-dev file
    freeglut3-dev libglu1-mesa-dev libgl-dev libgl1-mesa-dri
    xvfb libx11-dev libxtst-dev libpng-dev
    libgtest-dev clang-format
)

install_missing() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# build <preset>: configure once with a preset of CMakePresets.json, then
# build what changed.
build() {
    local preset=$1 folder=$2
    if [ ! -f "$folder/CMakeCache.txt" ]; then
        cmake --preset "$preset"
    fi
    cmake --build --preset "$preset" -j "$(nproc)"
}

# Fails when a source file differs from what clang-format makes of it.
check_format() {
    local files
    mapfile -t files < <(find frame spinning mesh lighting flat spheres tests tools -name '*.cpp' -o -name '*.h' | sort)
    clang-format --dry-run --Werror "${files[@]}"
}
