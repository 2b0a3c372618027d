#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what it holds:
# the twelve programs, the README, and run-time dependencies on the toolkit,
# GLU and GL. Usage: package_test.sh <build folder> <program>...
set -euo pipefail

build=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" || {
    cat "$work/cpack.log"
    exit 1
}
package=$(ls "$work"/*.deb)
fail=0
contents=$(dpkg-deb -c "$package")
for program in "$@"; do
    if ! grep -q "./usr/bin/$program\$" <<<"$contents"; then
        echo "missing from the package: /usr/bin/$program"
        fail=1
    fi
done
if ! grep -q "./usr/share/doc/glut-demos/README.md\$" <<<"$contents"; then
    echo "missing from the package: the README"
    fail=1
fi
depends=$(dpkg-deb -f "$package" Depends)
# GL itself comes through the vendor-neutral libraries (libopengl0, libglx0)
# or the classic libgl1.
for library in libglut libglu1 'libopengl0\|libgl1'; do
    if ! grep -q "$library" <<<"$depends"; then
        echo "no dependency on $library in: $depends"
        fail=1
    fi
done
# The packaged programs run: without a display they end with the toolkit's message.
dpkg-deb -x "$package" "$work/root"
if env -u DISPLAY "$work/root/usr/bin/color_cube" 2>"$work/err"; then
    echo "the packaged color_cube did not fail without a display"
    fail=1
fi
grep -q "display" "$work/err" || {
    echo "unexpected message from the packaged color_cube: $(cat "$work/err")"
    fail=1
}
exit $fail
