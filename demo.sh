#!/usr/bin/env bash
# ./demo.sh <program> [arguments...]: installs what is missing, builds, runs.
# Without a display the program runs on a private X server for a few seconds
# and its picture is saved as <program>.png in the current folder.
# ./demo.sh --gallery: pictures of all twelve in docs/gallery/, and a contact
# sheet docs/gallery.png.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
caller=$(pwd)

# Every program, with what it shows and the input it takes.
PROGRAMS=(
    "color_cube|a colour-blended cube turning; left, middle, right button turn it about x, y, z"
    "texgen_sphere|a checkerboard sphere, pattern fixed to the sphere; buttons choose the axis, '1'/'2' restart/stop"
    "checker_sphere|a checkerboard sphere, pattern fixed to the view; buttons choose the axis, '1'/'2' restart/stop"
    "wire_sphere_spin|a red wire sphere whose rotations compound; buttons choose the axis"
    "mesh_emblem|two lit meshes in perspective; drag to turn, Space stops/restarts the block, Escape quits"
    "material_sphere|a lit sphere, fixed material against colour tracking; o switches, Escape quits"
    "square_single|a red square turning, drawn single-buffered; no input"
    "square_double|the same square, double-buffered; no input"
    "line_stipple|a wide dashed square outline; no input"
    "quadric_sphere|a wire sphere drawn through a GLU quadric; no input"
    "solid_sphere|the toolkit's solid sphere, unlit: a flat red decagon; no input"
    "wire_sphere|the toolkit's wire sphere in white; no input"
)

# What to do before each gallery picture: snapshot's actions, in order.
gallery_moment() {
    case $1 in
    color_cube | wire_sphere_spin) echo "--wait 0.3 --click 1 --wait 0.4" ;;
    texgen_sphere | checker_sphere) echo "--wait 0.3 --click 1 --wait 0.3 --key 2" ;;
    mesh_emblem) echo "--wait 0.3 --key space --wait 0.3" ;;
    material_sphere) echo "--wait 0.3 --key o --wait 0.3" ;;
    *) echo "--wait 0.5" ;;
    esac
}

gallery() {
    mkdir -p docs/gallery
    local pictures=()
    for row in "${PROGRAMS[@]}"; do
        local name=${row%%|*}
        # shellcheck disable=SC2046
        env -u DISPLAY build/tools/snapshot $(gallery_moment "$name") --out "docs/gallery/$name.png" -- "build/bin/$name"
        pictures+=("docs/gallery/$name.png")
    done
    build/tools/contact_sheet docs/gallery.png 4 240 "${pictures[@]}"
    echo "Wrote docs/gallery/<program>.png for ${#pictures[@]} programs and docs/gallery.png"
}

list_programs() {
    echo "usage: ./demo.sh <program> [arguments...]"
    echo
    for row in "${PROGRAMS[@]}"; do
        printf '  %-18s %s\n' "${row%%|*}" "${row#*|}"
    done
}

if [ $# -eq 0 ]; then
    list_programs
    exit 0
fi
if [ "$1" = "--gallery" ]; then
    cd "$here"
    source tools/common.sh
    install_missing
    build release build >/dev/null
    gallery
    exit 0
fi
name=$1
shift
known=no
for row in "${PROGRAMS[@]}"; do
    [ "${row%%|*}" = "$name" ] && known=yes
done
if [ $known = no ]; then
    echo "demo.sh: no program called '$name'" >&2
    list_programs >&2
    exit 2
fi

cd "$here"
source tools/common.sh
install_missing
build release build >/dev/null

if [ -n "${DISPLAY:-}" ]; then
    exec "$here/build/bin/$name" "$@"
fi
picture="$caller/$name.png"
"$here/build/tools/snapshot" --wait 3 --out "$picture" -- "$here/build/bin/$name" "$@"
echo "No display: ran $name on a private X server and saved its window to $picture"
