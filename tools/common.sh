# Shared by demo.sh and test.sh: install what is missing, then build.

# Debian packages the suite needs to build, run and test.
PACKAGES=(
    g++ make cmake pkg-config
    freeglut3-dev libglu1-mesa-dev libgl-dev libgl1-mesa-dri
    xvfb libx11-dev libxtst-dev libpng-dev
    libgtest-dev
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

# build <folder> [cmake options...]: configure once, then build what changed.
build() {
    local folder=$1
    shift
    if [ ! -f "$folder/CMakeCache.txt" ]; then
        cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=Release "$@"
    fi
    cmake --build "$folder" -j "$(nproc)"
}
