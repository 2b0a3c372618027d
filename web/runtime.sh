#!/usr/bin/env bash
# web/runtime.sh: makes the GL implementation the web build links, compiled
# to WebAssembly with Emscripten, and prints the folder that holds it
# (include/ and lib/). From Debian 12's own source packages, whatever release
# this machine runs, so that every machine draws the same pixels:
#   - Mesa's OSMesa with gallium's softpipe rasterizer, with mesa-wasm.patch;
#   - GLU's utility library (projections and quadrics);
#   - freeglut's shape code (the solid and wire spheres), over a small shim.
# Only library code is built: no program, demo or test of any package.
# The result is cached outside the build folder, in
# ${XDG_CACHE_HOME:-~/.cache}/glut-demos/web/<key> (DEMO_WEB_CACHE names
# another folder), keyed by the source versions, this folder's files and the
# compiler, so a second build does not make it again. DEMO_DEBIAN_MIRROR
# names another archive than the one this machine's apt sources use.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tools/debian_source.sh"
release=bookworm
cache=${DEMO_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/glut-demos/web}
mkdir -p "$cache"
# Emscripten runs JavaScript tools with node, which finds Debian's acorn
# only through NODE_PATH; Mesa's generators need Debian's own python3 (mako).
export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs
export PATH=/usr/bin:$PATH

# The key: what the sources and the compiler are, and every file here that
# goes into the build. A source package's version is read from the index, so
# a cached build is found without downloading anything.
work=$(mktemp -d "$cache/work.XXXXXX")
trap 'rm -rf "$work"' EXIT
if ! fetch_debian_sources "$work" "$release" >/dev/null; then
    echo "Cannot read the $release source index from $(debian_mirror):" >&2
    cat "$work/apt/apt.log" >&2
    exit 1
fi
apt_options=(
    -o "Dir::Etc::SourceList=$work/apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
    -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
)
versions=$(for package in mesa libglu freeglut; do
    apt-cache "${apt_options[@]}" showsrc "$package" | sed -n 's/^Version: //p' | sort -V | tail -n 1
done)
key=$({
    echo "$versions"
    emcc --version | head -n 1
    cat "$here/runtime.sh" "$here/mesa-wasm.patch" "$here/meson-cross.ini" "$here"/shim/*
} | sha256sum | cut -c1-16)
prefix="$cache/$key"
if [ -f "$prefix/lib/libOSMesa.a" ] && [ -f "$prefix/lib/libGLU.a" ] && [ -f "$prefix/lib/libglut_shapes.a" ]; then
    echo "$prefix"
    exit 0
fi

log="$work/build.log"
echo "Building the GL implementation for the web (Mesa $(head -n 1 <<<"$versions"), once per machine)..." >&2
fail() {
    echo "$1; the log's end:" >&2
    tail -n 40 "$log" >&2
    exit 1
}

cd "$work"
fetch_debian_sources "$work" "$release" mesa freeglut || fail "Cannot fetch Mesa's and freeglut's sources"
# The archive may lack libglu's Debian diff (seen: a 404); its upstream
# tarball, which apt has checked against the index, is the library.
fetch_debian_sources "$work" "$release" libglu || ls libglu_*.orig.tar.* >/dev/null 2>&1 ||
    fail "Cannot fetch GLU's source"
dpkg-source -x mesa_*.dsc mesa >>"$log" 2>&1 || fail "Cannot unpack Mesa's source"
dpkg-source -x freeglut_*.dsc freeglut >>"$log" 2>&1 || fail "Cannot unpack freeglut's source"
mkdir glu && tar -xf libglu_*.orig.tar.* -C glu --strip-components=1

# Mesa: OSMesa over softpipe, static, no threads, no LLVM, no window system.
patch -d mesa -p1 <"$here/mesa-wasm.patch" >>"$log" 2>&1 || fail "mesa-wasm.patch does not apply"
meson setup mesa-build mesa --cross-file "$here/meson-cross.ini" --wrap-mode=nofallback \
    --buildtype=release -Db_ndebug=true -Ddefault_library=static \
    -Dplatforms= -Dgallium-drivers=swrast -Dvulkan-drivers= -Dllvm=disabled -Dosmesa=true \
    -Dglx=disabled -Degl=disabled -Dgbm=disabled -Dgles1=disabled -Dgles2=disabled -Dshared-glapi=disabled \
    -Ddri3=disabled -Dgallium-vdpau=disabled -Dgallium-va=disabled -Dgallium-xa=disabled \
    -Dgallium-omx=disabled -Dzlib=disabled -Dzstd=disabled -Dshader-cache=disabled -Dlibunwind=disabled \
    -Dvalgrind=disabled -Dlmsensors=disabled -Dselinux=false -Dtools= -Dbuild-tests=false \
    >>"$log" 2>&1 || fail "Mesa's configuration failed"
ninja -C mesa-build src/gallium/targets/osmesa/libOSMesa.a >>"$log" 2>&1 || fail "Mesa's build failed"

out="$work/prefix"
mkdir -p "$out/lib" "$out/include/GL"
cp mesa-build/src/gallium/targets/osmesa/libOSMesa.a "$out/lib/"
cp mesa/include/GL/gl.h mesa/include/GL/glext.h mesa/include/GL/osmesa.h "$out/include/GL/"
cp -r mesa/include/KHR "$out/include/"

# GLU's utility library, the part with the projections and the quadrics.
cflags=(-O2 -fPIC -DLIBRARYBUILD -I"$out/include" -Iglu/include -Iglu/src/include)
for source in error glue mipmap project quad registry; do
    emcc "${cflags[@]}" -c "glu/src/libutil/$source.c" -o "glu-$source.o" >>"$log" 2>&1 ||
        fail "GLU's $source.c does not compile"
done
emar rcs "$out/lib/libGLU.a" glu-*.o
cp glu/include/GL/glu.h "$out/include/GL/"

# The toolkit's header and its shape code, which reads the toolkit's state
# through fg_internal.h: the shim stands in for that header with no window
# and no OpenGL 2 attributes, so the shapes draw with client arrays.
cp freeglut/include/GL/freeglut.h freeglut/include/GL/freeglut_std.h freeglut/include/GL/freeglut_ext.h \
    freeglut/include/GL/freeglut_ucall.h freeglut/include/GL/glut.h "$out/include/GL/" 2>/dev/null ||
    cp freeglut/include/GL/freeglut*.h freeglut/include/GL/glut.h "$out/include/GL/"
mkdir shapes
cp freeglut/src/fg_geometry.c freeglut/src/fg_gl2.h "$here"/shim/* shapes/
emcc "${cflags[@]}" -Ishapes -c shapes/fg_geometry.c -o shapes/fg_geometry.o >>"$log" 2>&1 ||
    fail "freeglut's fg_geometry.c does not compile"
emcc "${cflags[@]}" -Ishapes -c shapes/fg_shim.c -o shapes/fg_shim.o >>"$log" 2>&1 ||
    fail "the shapes' shim does not compile"
emar rcs "$out/lib/libglut_shapes.a" shapes/fg_geometry.o shapes/fg_shim.o
cp freeglut/COPYING "$out/COPYING.freeglut"
cp mesa/docs/license.rst "$out/COPYING.mesa" 2>/dev/null || true

rm -rf "$prefix"
mv "$out" "$prefix"
echo "$prefix"
