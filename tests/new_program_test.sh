#!/usr/bin/env bash
# A program added as the README says, by its two steps alone, in a copy of
# the tree: its file, in a folder of its own, and its catalogue entry. The
# formatter finds the file, a file without its row fails naming the file,
# the build makes the program, demo.sh lists it, its recorder records its
# film and picture, and the tests that run over every program take it up.
# Usage: new_program_test.sh <source folder>
set -euo pipefail

source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Where test.sh compiles through ccache, the copy's paths reach the compiler
# relative to its build folder, so the next run's copy finds this one's work.
export CCACHE_BASEDIR=$work
copy="$work/tree"
mkdir -p "$copy"
tar -C "$source" --exclude='./build*' --exclude=./.git --exclude=./node_modules --exclude=./docs/web -cf - . |
    tar -C "$copy" -xf -
fail=0
failed() {
    echo "$1"
    fail=1
}

# Step one: the program's file.
mkdir "$copy/extra"
cp "$copy/spinning/color_cube.cpp" "$copy/extra/extra_cube.cpp"
# Step two: its entry.
cat >>"$copy/catalogue/programs.txt" <<'ENTRY'

Program: extra_cube
Folder: extra
Summary: the colour cube once more, added by a test
Description: The colour cube, copied into a folder of its own to show that a
 program is its file and its catalogue entry.
Controls:
 Left, middle, right button: turn about x, y, z.
Idea: draw_cube
Try:
 Click with the middle button: it turns about y.
 Click with the right button: it turns about z.
Moves: yes
Film: 75 frames of 120x120, 1 idle call apart, the picture at frame 10
 0: press middle
ENTRY

# The formatter looks in the new folder too.
cp "$copy/extra/extra_cube.cpp" "$work/extra_cube.cpp"
echo "int   badly_formatted ;" >>"$copy/extra/extra_cube.cpp"
if (cd "$copy" && source tools/test_passes.sh && check_format) >"$work/format.log" 2>&1 ||
    ! grep -q "extra/extra_cube.cpp" "$work/format.log"; then
    failed "the formatter did not find extra/extra_cube.cpp: $(cat "$work/format.log")"
fi
# A file without its row fails with the file's name, before anything is built.
grep -v "^const ProgramSetup program{" "$work/extra_cube.cpp" >"$copy/extra/extra_cube.cpp"
if (cd "$copy" && cmake --preset release) >"$work/row.log" 2>&1 ||
    ! grep -q "extra/extra_cube.cpp:[0-9]*: extra_cube's file defines no row" "$work/row.log"; then
    failed "a file without its row did not fail naming it: $(tail -n 5 "$work/row.log")"
fi
cp "$work/extra_cube.cpp" "$copy/extra/extra_cube.cpp"

# Built, listed, recorded and tested like every other program.
cd "$copy"
if ! cmake --preset release -D DEMO_WINDOWS_BIN_DIR= >"$work/configure.log" 2>&1 ||
    ! cmake --build --preset release -j "$(nproc)" --target extra_cube extra_cube_record robustness_test \
        geometry_test film_test >"$work/build.log" 2>&1; then
    echo "the build failed:"
    tail -n 30 "$work/configure.log" "$work/build.log"
    exit 1
fi
DEMO_SKIP_INSTALL=1 ./demo.sh --help | grep -q "^  extra_cube " || failed "demo.sh --help does not list extra_cube"
build/bin/extra_cube --version | grep -q "^extra_cube (glut-demos)" || failed "extra_cube --version names another"
build/tools/extra_cube_record --film docs/gallery/extra_cube.webp &&
    build/tools/extra_cube_record --still docs/gallery/extra_cube.png || failed "extra_cube's recorder failed"
if ! ctest --test-dir build -R 'extra_cube$' -LE wine --no-tests=error -j "$(nproc)" >"$work/tests.log" 2>&1; then
    failed "its tests failed: $(cat "$work/tests.log")"
fi
# Start-up, options, robustness and the film: the table-driven tests.
for suite in Robustness/EveryProgram Options/EveryProgram Gallery/EveryFilm; do
    grep -q "$suite\.[^ ]*/extra_cube .*Passed" "$work/tests.log" || failed "no $suite test ran for extra_cube"
done

# A film that gives the program input it takes none of fails with the line
# of its Film field.
echo " 5: key x" >>catalogue/programs.txt
film_line=$(grep -n "^Film: 75 frames of 120x120" catalogue/programs.txt | cut -d: -f1)
cmake --build --preset release --target extra_cube_record >"$work/film.log" 2>&1 ||
    failed "the recorder with a key in its film did not build: $(tail -n 20 "$work/film.log")"
if build/tools/extra_cube_record --film "$work/keyed.webp" 2>"$work/keyed.log" ||
    ! grep -q "programs.txt:$film_line: extra_cube's film gives it input at frame 5 through glutKeyboardFunc" \
        "$work/keyed.log"; then
    failed "a key the program does not take did not fail naming the Film line $film_line: $(cat "$work/keyed.log")"
fi
exit $fail
