#!/usr/bin/env bash
# windows/toolkit.sh <folder>: makes the GLUT toolkit for the Windows build in
# <folder>/prefix, from Debian's own source package of freeglut, cross-built
# with mingw-w64. Only the library is built; the package's demonstration
# programs are switched off and never built. A second run with the library
# already there does nothing. The archive is the one this machine's apt
# sources use; DEMO_DEBIAN_MIRROR names another.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1"
folder=$(cd "$1" && pwd)
prefix="$folder/prefix"
if [ -f "$prefix/lib/libglut.dll.a" ] && [ -f "$prefix/bin/libglut.dll" ] && [ -f "$prefix/COPYING.freeglut.txt" ]; then
    exit 0
fi

# The source comes from this machine's release, through a list of its own:
# the system's apt sources, caches and state are neither read nor changed. A
# mirror that lacks the release's source package (seen: the index names a
# version whose files are gone) is asked for the previous stable release's,
# the same freeglut 3.4.0; DEMO_TOOLKIT_RELEASE names the release to use.
release=${DEMO_TOOLKIT_RELEASE:-$(. /etc/os-release && echo "${VERSION_CODENAME:-}")}
if [ -z "$release" ]; then
    echo "Cannot tell this machine's Debian release (no VERSION_CODENAME in /etc/os-release);" >&2
    echo "set DEMO_TOOLKIT_RELEASE to the release whose freeglut source to build." >&2
    exit 1
fi
source "$here/../tools/debian_source.sh"
mirror=$(debian_mirror)
apt_dir="$folder/source/apt"
rm -rf "$folder/source" "$folder/build" "$prefix"

# fetch_source <release>: unpacks that release's freeglut source package in
# $folder/source; fails, with apt's messages in $apt_dir, when it cannot.
fetch_source() {
    rm -rf "$folder/source"
    mkdir -p "$folder/source"
    echo "Fetching freeglut's source package from $mirror ($1)..."
    fetch_debian_sources "$folder/source" "$1" freeglut &&
        (cd "$folder/source" && dpkg-source -x freeglut_*.dsc >>"$apt_dir/apt.log" 2>&1)
}
fetched=
for candidate in "$release" bookworm; do
    if fetch_source "$candidate"; then
        fetched=$candidate
        break
    fi
    echo "Could not fetch freeglut's source of $candidate:" >&2
    grep -E '^(E|Err):' "$apt_dir/apt.log" >&2 || tail -n 5 "$apt_dir/apt.log" >&2
    [ -z "${DEMO_TOOLKIT_RELEASE:-}" ] || break
done
if [ -z "$fetched" ]; then
    exit 1
fi
source_dir=$(find "$folder/source" -mindepth 1 -maxdepth 1 -type d -name 'freeglut-*' | head -n 1)
if [ -z "$source_dir" ]; then
    echo "apt-get source freeglut unpacked no freeglut-* folder in $folder/source" >&2
    exit 1
fi

# The library alone, as a DLL whose name the Windows ports of GLUT use, with
# GL/glut.h installed beside GL/freeglut.h. libgcc goes into the DLL, so it
# needs nothing beyond Windows' own libraries.
echo "Building freeglut for Windows from $source_dir..."
cmake -S "$source_dir" -B "$folder/build" \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_SHARED_LINKER_FLAGS=-static-libgcc \
    -DFREEGLUT_BUILD_DEMOS=OFF -DFREEGLUT_BUILD_STATIC_LIBS=OFF -DFREEGLUT_BUILD_SHARED_LIBS=ON \
    -DFREEGLUT_REPLACE_GLUT=ON -DFREEGLUT_GLES=OFF >"$folder/configure.log" 2>&1 || {
    cat "$folder/configure.log" >&2
    exit 1
}
cmake --build "$folder/build" -j "$(nproc)" >"$folder/build.log" 2>&1 || {
    cat "$folder/build.log" >&2
    exit 1
}
cmake --install "$folder/build" --strip >"$folder/install.log" 2>&1 || {
    cat "$folder/install.log" >&2
    exit 1
}
# The toolkit's licence travels with the DLL.
cp "$source_dir/COPYING" "$prefix/COPYING.freeglut.txt"
