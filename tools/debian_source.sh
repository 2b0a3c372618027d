# Sourced by the scripts that fetch from the Debian archive: which archive,
# and Debian's source packages through a source list of their own.

# debian_mirror: the Debian archive this machine's apt sources use (the first
# one that serves the machine's own release, in the one-line or the deb822
# form), or DEMO_DEBIAN_MIRROR where that is set. Fails, saying so, where the
# sources name none, as on a machine that is not Debian.
debian_mirror() {
    if [ -n "${DEMO_DEBIAN_MIRROR:-}" ]; then
        echo "$DEMO_DEBIAN_MIRROR"
        return
    fi
    local release found
    release=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
    found=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
        awk -v release="$release" '
            $1 ~ /^deb(-src)?$/ {
                i = 2
                if ($i ~ /^\[/) while ($i !~ /\]$/) i++
                if ($i ~ /^\[/ || $i ~ /\]$/) i++
                if ($(i + 1) == release) { print $i; exit }
            }')
    if [ -z "$found" ]; then
        found=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
            awk -v release="$release" '
                function check() {
                    if (!done && enabled && uri != "" && (" " suites " ") ~ (" " release " ")) {
                        print uri
                        done = 1
                        exit
                    }
                }
                /^[ \t]*$/ { check(); uri = ""; suites = ""; enabled = 1; next }
                BEGIN { enabled = 1 }
                tolower($1) == "uris:" { uri = $2 }
                tolower($1) == "suites:" { suites = $0; sub(/^[^:]*:/, "", suites) }
                tolower($1) == "enabled:" { enabled = tolower($2) != "no" }
                END { check() }')
    fi
    if [ -z "$found" ]; then
        echo "The apt sources name no Debian archive of the release '$release': set DEMO_DEBIAN_MIRROR." >&2
        return 1
    fi
    echo "$found"
}

# fetch_debian_sources <folder> <release> <package>...: downloads the
# packages' source files of that release into <folder>, through a source list
# of its own in <folder>/apt: the system's apt sources, caches and state are
# neither read nor changed. With no package it only reads the index, for
# apt-cache. Unpacking is left to the caller. Fails, with apt's
# messages in <folder>/apt/apt.log, when it cannot.
fetch_debian_sources() {
    local folder=$1 release=$2 apt_dir="$1/apt"
    shift 2
    rm -rf "$apt_dir"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $(debian_mirror) $release main" \
        >"$apt_dir/sources.list"
    local apt_options=(
        -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/nonexistent
        -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
        -o Debug::NoLocking=true
    )
    apt-get "${apt_options[@]}" -q update >"$apt_dir/apt.log" 2>&1 || return 1
    [ $# -eq 0 ] ||
        (cd "$folder" && apt-get "${apt_options[@]}" -q --download-only source "$@" >>"$apt_dir/apt.log" 2>&1)
}
