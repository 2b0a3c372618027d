#!/usr/bin/env bash
# ./demo.sh <program> [toolkit options...]: installs what is missing, builds
# the program, runs it. ./demo.sh --help lists the programs; ./demo.sh
# --gallery remakes the pictures, films and web pages in docs/; ./demo.sh
# --web serves the programs as web pages. The programs and what
# they show are read from catalogue/programs.txt by make_catalogue, the
# build's own reader of it.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
caller=$(pwd)
build_dir="$here/build-demo"
source "$here/tools/packages.sh"
source "$here/tools/builds.sh"

# catalogue programs|films|summaries|beside: asks the catalogue's reader,
# compiled first if it is missing or older than its source.
catalogue() {
    local reader="$build_dir/catalogue/make_catalogue"
    if ! command -v cmake >/dev/null || ! command -v c++ >/dev/null; then
        install_missing g++ cmake >&2 || return 1
    fi
    cmake -D tool="$reader" -D compiler=c++ -P "$here/catalogue/make_catalogue.cmake" >&2 || return 1
    "$reader" "$here/catalogue/programs.txt" list "$1"
}

program_names() { catalogue programs; }

usage() {
    cat <<EOF
usage: ./demo.sh <program> [toolkit options...]   build the program and run it
       ./demo.sh --gallery                         remake the pictures, films and web pages
                                                   in docs/
       ./demo.sh --windows                         build the programs for Windows, as
                                                   build-windows/glut-demos-<version>-win64.zip
       ./demo.sh --web                             build the programs as web pages and
                                                   serve them here until Ctrl-C
       ./demo.sh --install                         only install the Debian packages that
                                                   building, running and testing need
       ./demo.sh --help                            this text

With a display (DISPLAY set, or -display NAME among the options) the program
opens its window there; toolkit options such as -geometry 300x300+0+0 go to
it. Without one it runs on a private X server and its picture, the one the
gallery shows, is saved as <program>.png in the current folder.
DEMO_SKIP_INSTALL=1 skips installing missing Debian packages; DEMO_WEB_PORT
names the port ./demo.sh --web serves on (else any free one).

The programs (<program> --help, or man <program> once installed, says more):
$(catalogue summaries)
EOF
}

# The program name nearest to $1 by edit distance, when it is near enough.
closest() {
    program_names | awk -v typed="$1" '
        function distance(a, b,    i, j, n, m, d, cost) {
            n = length(a); m = length(b)
            for (i = 0; i <= n; i++) d[i, 0] = i
            for (j = 0; j <= m; j++) d[0, j] = j
            for (i = 1; i <= n; i++)
                for (j = 1; j <= m; j++) {
                    cost = substr(a, i, 1) != substr(b, j, 1)
                    d[i, j] = d[i - 1, j] + 1
                    if (d[i, j - 1] + 1 < d[i, j]) d[i, j] = d[i, j - 1] + 1
                    if (d[i - 1, j - 1] + cost < d[i, j]) d[i, j] = d[i - 1, j - 1] + cost
                }
            return d[n, m]
        }
        { score = distance(typed, $0); if (best == "" || score < best_score) { best = $0; best_score = score } }
        END { if (best_score <= 3) print best }'
}

gallery() {
    local gallery_dir="$here/docs/gallery" tools="$build_dir/tools" name stills=()
    quietly "Building the programs' recorders..." build demo demo_recorders contact_sheet
    mkdir -p "$gallery_dir"
    for name in $(program_names); do
        echo "Recording $name"
        "$tools/${name}_record" --still "$gallery_dir/$name.png"
        stills+=("$gallery_dir/$name.png")
        if catalogue films | grep -qx -- "$name"; then
            "$tools/${name}_record" --film "$gallery_dir/$name.webp"
        fi
    done
    # The films the catalogue puts side by side, as one film each pair.
    local first second
    while read -r first second; do
        "$tools/join_films" "$gallery_dir/$first.webp" "$gallery_dir/$second.webp" \
            "$gallery_dir/${first}_and_$second.webp"
    done < <(catalogue beside)
    "$tools/contact_sheet" "$here/docs/gallery.png" 4 240 "${stills[@]}"
    # The README's tables of programs and options, made from the catalogue.
    "$build_dir/catalogue/make_catalogue" "$here/catalogue/programs.txt" readme --update "$here/README.md"
    # The web pages, as the web build makes them: relative links only, so
    # that a static host serving docs/ serves them beside the gallery.
    web_site
    rm -rf "$here/docs/web"
    cp -r "$here/build-web/site/web" "$here/docs/web"
    echo "Wrote docs/gallery/ (a picture of each program, a film of each that moves), docs/gallery.png," \
        "README.md's tables and docs/web/ (the programs' web pages)"
}

case "${1:-}" in
"" | --help | -h)
    usage
    exit 0
    ;;
--install)
    install_missing "${DEMO_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}"
    install_web
    exit 0
    ;;
--windows)
    install_missing "${WINDOWS_PACKAGES[@]}"
    cd "$here"
    windows_zip
    exit 0
    ;;
--gallery)
    install_missing "${DEMO_PACKAGES[@]}" && install_web
    cd "$here"
    gallery
    exit 0
    ;;
--web)
    install_missing g++ cmake make && install_web
    cd "$here"
    web_site
    exec node web/serve.mjs build-web/site "${DEMO_WEB_PORT:-0}"
    ;;
esac

name=$1
shift
if ! program_names | grep -qx -- "$name"; then
    echo "demo.sh: no program called '$name'" >&2
    suggestion=$(closest "$name")
    if [ -n "$suggestion" ]; then
        echo "Did you mean: ./demo.sh $suggestion" >&2
    else
        echo "./demo.sh --help lists the programs." >&2
    fi
    exit 2
fi

# A display named on the command line counts as much as DISPLAY.
display_given=${DISPLAY:-}
for argument in "$@"; do
    [ "$argument" = "-display" ] && display_given=yes
done

install_missing "${DEMO_PACKAGES[@]}"
cd "$here"
if [ -n "$display_given" ]; then
    quietly "Building $name..." build demo "$name"
    exec "$build_dir/bin/$name" "$@"
fi
quietly "Building $name and its recorder..." build demo "$name" "${name}_record"
picture="$caller/$name.png"
"$build_dir/tools/${name}_record" --still "$picture" -- "$@"
echo "No display: ran $name on a private X server and saved its window to $picture"
