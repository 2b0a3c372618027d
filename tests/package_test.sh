#!/usr/bin/env bash
# Builds the Debian package from a build folder, has Debian's own checkers
# judge it, installs it into a scratch root and uses it there as a user
# would: each program answers --help and --version without a display, has a
# manual page that renders without warnings and a valid menu entry with its
# icon, and the licence is there. Usage: package_test.sh <build folder> <program>...
set -euo pipefail
# Built as by a user whose login umask is 002, Debian 13's default: the
# package's folders and files must keep Debian's modes all the same.
umask 002

build=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
problem() {
    echo "$*"
    fail=1
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" || {
    cat "$work/cpack.log"
    exit 1
}
package=$(ls "$work"/*.deb)

# Debian's package checker: no errors and no warnings.
if ! lintian --fail-on error,warning "$package" >"$work/lintian.log" 2>&1; then
    problem "lintian finds errors or warnings:"
    grep -E "^[EW]:" "$work/lintian.log" || cat "$work/lintian.log"
fi

depends=$(dpkg-deb -f "$package" Depends)
# GL itself comes through the vendor-neutral libraries (libopengl0, libglx0)
# or the classic libgl1.
for library in libglut libglu1 'libopengl0\|libgl1'; do
    grep -q "$library" <<<"$depends" || problem "no dependency on $library in: $depends"
done

root="$work/root"
dpkg-deb -x "$package" "$root"
docs="$root/usr/share/doc/glut-demos"
grep -q "Permission is hereby granted, free of charge" "$docs/copyright" || problem "no MIT licence in the copyright file"
grep -q "\.png\|\.webp" "$docs/README.md" && problem "the installed README points at pictures that are not installed"
for program in "$@"; do
    binary="$root/usr/bin/$program"
    [ -x "$binary" ] || problem "missing from the package: /usr/bin/$program"
    file "$binary" | grep -q "not stripped" && problem "$program is not stripped"

    # --help and --version, without a display, on standard output.
    if ! env -u DISPLAY "$binary" --help >"$work/help" 2>"$work/help.err"; then
        problem "$program --help failed: $(cat "$work/help.err")"
    fi
    grep -q "^$program: " "$work/help" || problem "$program --help does not start with its name: $(head -1 "$work/help")"
    grep -q -- "-geometry" "$work/help" || problem "$program --help lists no toolkit options"
    [ -s "$work/help.err" ] && problem "$program --help wrote to standard error: $(cat "$work/help.err")"
    version=$(env -u DISPLAY "$binary" --version) || problem "$program --version failed"
    [ "$version" = "$program (glut-demos) $(dpkg-deb -f "$package" Version)" ] ||
        problem "$program --version says: $version"

    # The manual page renders without a warning.
    page="$root/usr/share/man/man6/$program.6.gz"
    if [ ! -f "$page" ]; then
        problem "no manual page for $program"
    else
        MANWIDTH=80 man --warnings -l "$page" >"$work/page" 2>"$work/page.err" || problem "man fails on $program.6"
        [ -s "$work/page.err" ] && problem "man warns on $program.6: $(cat "$work/page.err")"
        grep -q "CONTROLS" "$work/page" || problem "$program.6 has no CONTROLS section"
    fi

    # The menu entry is valid, starts the program and has its icon.
    entry="$root/usr/share/applications/glut-demos-$program.desktop"
    # No error, warning or hint.
    if ! desktop-file-validate "$entry" >"$work/validate" 2>&1 || [ -s "$work/validate" ]; then
        problem "desktop-file-validate finds fault with $entry: $(cat "$work/validate")"
    fi
    grep -qx "Exec=$program" "$entry" || problem "$entry does not start $program"
    for size in 32 48 64 128 256; do
        icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/glut-demos-$program.png"
        file "$icon" 2>/dev/null | grep -q "$size x $size" || problem "no ${size}x${size} icon for $program"
    done
done

# Anything else on the command line still goes to the toolkit: without a
# display the program ends with the toolkit's message.
if env -u DISPLAY "$root/usr/bin/color_cube" --help -sync 2>"$work/err"; then
    problem "color_cube --help -sync did not go to the toolkit"
fi
grep -q "display" "$work/err" || problem "unexpected message from color_cube: $(cat "$work/err")"

# cmake --install puts the same files in the same places.
cmake --install "$build" --prefix "$work/installed/usr" >/dev/null
(cd "$root" && find . -type f | sort) >"$work/packaged"
(cd "$work/installed" && find . -type f | sort) >"$work/installed.list"
diff "$work/packaged" "$work/installed.list" >"$work/diff" || problem "the install rules differ from the package: $(cat "$work/diff")"
exit $fail
