#!/usr/bin/env bash
# Packs the Windows build into its ZIP, unpacks it and checks it as a user of
# a plain Windows would need it: the programs, the toolkit's DLL, the
# licences and the README, nothing else; no program or DLL that needs a DLL
# beyond those in the ZIP and Windows' own; every program declaring itself
# aware of each monitor's scale; and a program run from the unpacked folder
# under Wine answers. Usage:
# windows_package_test.sh <Windows build folder> <program>...
set -euo pipefail

build=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
problem() {
    echo "$*"
    fail=1
}

cpack --config "$build/CPackConfig.cmake" -G ZIP -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
zip=$(ls "$work"/*.zip)
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
top=$(basename "$zip" .zip)
folder="$work/unpacked/$top"
[ -d "$folder" ] || {
    echo "the ZIP holds no folder $top"
    exit 1
}

# What the ZIP holds, exactly.
expected=$(
    for name in "$@"; do echo "$name.exe"; done
    printf '%s\n' libglut.dll README.txt LICENSE.txt COPYING.freeglut.txt
)
held=$(cd "$work/unpacked" && find . -type f | sed "s|^\./$top/||")
if ! diff <(sort <<<"$expected") <(sort <<<"$held") >"$work/contents.diff"; then
    problem "the ZIP holds other files than expected (< missing, > extra):"
    cat "$work/contents.diff"
fi

# Every DLL a program or the toolkit imports is in the ZIP or is Windows' own.
windows_own="advapi32.dll gdi32.dll kernel32.dll msvcrt.dll opengl32.dll glu32.dll shcore.dll user32.dll winmm.dll"
for binary in "$folder"/*.exe "$folder"/*.dll; do
    while read -r dll; do
        lower=${dll,,}
        if [ ! -f "$folder/$dll" ] && [[ " $windows_own " != *" $lower "* ]]; then
            problem "$(basename "$binary") needs $dll, which is neither in the ZIP nor part of Windows"
        fi
    done < <(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\tDLL Name: //p')
done

# Windows stretches the window of a program that does not say it sizes its
# windows by each monitor's scale; the manifest (resource type 24) says so.
for name in "$@"; do
    wrestool -x --raw -t 24 "$folder/$name.exe" 2>/dev/null | grep -q "<dpiAwareness[^>]*>PerMonitorV2<" ||
        problem "$name.exe carries no manifest declaring per-monitor (v2) DPI awareness"
done

# Run from the unpacked folder, with nothing else on its path.
# Wine's own remarks go to standard error, which is kept apart.
version=$(cd "$folder" && WINEPATH= wine "./$1.exe" --version 2>"$work/wine.err" | tr -d '\r') || true
case "$version" in
"$1 (glut-demos) "*) ;;
*) problem "$1.exe --version, run from the unpacked ZIP under Wine, said: $version ($(cat "$work/wine.err"))" ;;
esac

# The README lists every program.
for name in "$@"; do
    grep -q "^  $name " "$folder/README.txt" || problem "README.txt does not list $name"
done
exit $fail
