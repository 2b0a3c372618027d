#!/usr/bin/env bash
# The README's demo command as a user meets it off the usual path: in a
# folder whose name has a space, after a configure that failed, with no
# display. It must recover on the second run and save the gallery's picture.
# And a catalogue whose web page or film fields are wrong fails, naming the line.
# Usage: scripts_test.sh <source folder> <make_catalogue>
set -euo pipefail

source=$1
make_catalogue=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Where test.sh compiles through ccache, the copy's paths reach the compiler
# relative to its build folder, so the next run's copy finds this one's work.
export CCACHE_BASEDIR=$work
copy="$work/a folder with spaces/glut demos"
mkdir -p "$copy"
tar -C "$source" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$copy" -xf -
fail=0

# A configure that fails halfway leaves a cache and no build files behind.
mv "$copy/catalogue/programs.txt" "$copy/catalogue/programs.saved"
if (cd "$copy" && cmake --preset demo >"$work/first.log" 2>&1); then
    echo "the broken configure did not fail"
    fail=1
fi
[ -f "$copy/build-demo/CMakeCache.txt" ] || echo "note: the failed configure left no cache"
mv "$copy/catalogue/programs.saved" "$copy/catalogue/programs.txt"

# The second run, from another folder, without a display.
mkdir -p "$work/elsewhere"
if ! (cd "$work/elsewhere" && env -u DISPLAY DEMO_SKIP_INSTALL=1 "$copy/demo.sh" line_stipple >"$work/second.log" 2>&1); then
    echo "the second run failed:"
    cat "$work/second.log"
    fail=1
fi
grep -q "^Building line_stipple" "$work/second.log" || {
    echo "the demo did not say what it builds: $(cat "$work/second.log")"
    fail=1
}
# The gallery is made with llvmpipe; another rasterizer draws the wide
# dashes a pixel differently, so there only the picture's size is compared.
if [ "${GALLIUM_DRIVER:-llvmpipe}" = llvmpipe ]; then
    cmp -s "$work/elsewhere/line_stipple.png" "$source/docs/gallery/line_stipple.png" || {
        echo "the saved picture is not the gallery's picture of line_stipple"
        fail=1
    }
elif [ "$(file -b "$work/elsewhere/line_stipple.png" | cut -d, -f2)" != "$(file -b "$source/docs/gallery/line_stipple.png" | cut -d, -f2)" ]; then
    echo "the saved picture is not the size of the gallery's picture of line_stipple"
    fail=1
fi

# Help, with every program's summary whole, and a hint for a misspelt name.
"$copy/demo.sh" --help >"$work/help.log"
grep -q -- "--gallery" "$work/help.log" || {
    echo "--help does not mention --gallery"
    fail=1
}
while IFS= read -r summary; do
    grep -qF -- "$summary" "$work/help.log" || {
        echo "--help does not show the summary \"$summary\" whole"
        fail=1
    }
done < <(sed -n 's/^Summary: //p' "$copy/catalogue/programs.txt")
status=0
"$copy/demo.sh" color-cube 2>"$work/hint.log" || status=$?
if [ $status -ne 2 ] || ! grep -q "Did you mean: ./demo.sh color_cube" "$work/hint.log"; then
    echo "no hint for color-cube (status $status): $(cat "$work/hint.log")"
    fail=1
fi

# The fields a web page and a film need, broken as an edit may break them: the build
# stops with the catalogue's line. Each case: a sed edit, a pattern for the
# line of the original catalogue the message must name, an offset from it,
# and the message's words.
catalogue="$copy/catalogue/programs.txt"
cp "$catalogue" "$work/programs.txt"
while IFS='|' read -r edit at offset words; do
    sed "$edit" "$work/programs.txt" >"$catalogue"
    expected="programs.txt:$(($(grep -n -m1 -- "$at" "$work/programs.txt" | cut -d: -f1) + offset)): $words"
    if "$make_catalogue" "$catalogue" build 1 2000-01-01 "$work" 2>"$work/catalogue.log" ||
        ! grep -qF -- "$expected" "$work/catalogue.log"; then
        echo "after '$edit', expected a failure with \"$expected\"; saw: $(cat "$work/catalogue.log")"
        fail=1
    fi
done <<'CASES'
s/^Idea: draw_face draw_cube display$/Idea: draw_face draw_cubes/|^Idea: draw_face draw_cube|0|Idea names draw_cubes, which spinning/color_cube.cpp does not define
s/^Idea: display program$/Idea: display-program/|^Idea: display program|0|Idea names "display-program", which is not a name
/^Try:$/,/^Moves:/{/^Moves:/!d}|^Program: color_cube|0|color_cube has no Try
/^ Click the left, middle and right buttons in turn/,/^ Press 2 to stop/d|^ Watch the squares|-1|Try takes two or three things to do, one a line; it has 1
s/^ 40: press middle$/ 40: push middle/|^ 40: press middle|0|not an input of a film: 40: push middle
s/^ 115: key space$/ 150: key space/|^ 115: key space|0|this input comes too late to show: the film's last frame is 149
CASES
cp "$work/programs.txt" "$catalogue"
exit $fail
