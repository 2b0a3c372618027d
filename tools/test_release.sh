#!/usr/bin/env bash
# tools/test_release.sh <release> [test.sh option...]: runs ./test.sh on
# another Debian release, as a new user of it would. Makes a fresh root of the
# release with debootstrap from the Debian archive, adds a user who is not
# root but may use sudo, copies this tree into the user's home and runs
# ./demo.sh --install, then ./test.sh, there in a login shell, so the
# release's own umask and the user's lack of a git identity apply, and the
# packages come through sudo as for a user who runs the README's commands.
#   tools/test_release.sh trixie        # Debian 13
#   tools/test_release.sh testing       # the next release, with newer Mesa
# Needs root (or sudo) for debootstrap and chroot. The root is removed at the
# end; DEMO_KEEP_ROOT=1 keeps it, and says where. What a run downloads and
# compiles is kept for the next run of the release, outside the root, in
# ${XDG_CACHE_HOME:-~/.cache}/glut-demos/releases/<release> (root's): the
# packages' files, which apt checks as ever, and the user's ~/.cache, with
# the web build's GL implementation and ccache's cache. The archive is the one
# this machine's apt sources use; DEMO_DEBIAN_MIRROR names another.
# DEMO_RELEASE_AFTER=<file> makes the root, installs the packages and makes
# Mesa for the web (at low priority) at once, then waits to run the tests
# until it can lock that file, so that all this is done while the tests of
# another release, which hold the lock, run.
set -euo pipefail

release=${1:-}
if [ -z "$release" ] || [ "$release" = --help ] || [ "$release" = -h ]; then
    sed -n '2,22s/^# \{0,1\}//p' "$0"
    [ -n "$release" ]
    exit
fi
shift
test_options=("$@")
here=$(cd "$(dirname "$0")/.." && pwd)
if [ "$(id -u)" -ne 0 ]; then
    exec sudo DEMO_KEEP_ROOT="${DEMO_KEEP_ROOT:-}" DEMO_DEBIAN_MIRROR="${DEMO_DEBIAN_MIRROR:-}" \
        DEMO_RELEASE_AFTER="${DEMO_RELEASE_AFTER:-}" "$0" "$release" "${test_options[@]}"
fi
source "$here/tools/packages.sh"
source "$here/tools/builds.sh"
install_missing debootstrap
source "$here/tools/debian_source.sh"
mirror=$(debian_mirror)
user=tester
cache=${XDG_CACHE_HOME:-$HOME/.cache}/glut-demos/releases/$release
mkdir -p "$cache/debs/partial" "$cache/home"

root=$(mktemp -d "${TMPDIR:-/var/tmp}/glut-demos-$release.XXXXXX")
chmod 0755 "$root" # the root folder of the new system, which mktemp made private
# Unmounts what was mounted in the root, then removes it; a root that still
# has something mounted is left alone, so nothing of the host's is removed.
clean_up() {
    local status=$?
    for mount in "$root/home/$user/.cache" "$root/var/cache/apt/archives" "$root/dev" "$root/proc"; do
        mountpoint -q "$mount" && { umount -R "$mount" || umount -R -l "$mount"; }
    done
    if [ -n "${DEMO_KEEP_ROOT:-}" ]; then
        echo "Kept the root of $release in $root"
    elif findmnt -R -n -o TARGET "$root" >/dev/null 2>&1 || grep -q " $root/" /proc/mounts; then
        echo "Something is still mounted below $root: left it there" >&2
    else
        rm -rf --one-file-system "$root"
    fi
    exit $status
}
trap clean_up EXIT

echo "== a fresh root of Debian $release in $root"
quietly "debootstrap $release from $mirror..." \
    debootstrap --variant=minbase --include=sudo,ca-certificates --cache-dir="$cache/debs" "$release" "$root" "$mirror"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The certificate authorities this machine adds to Debian's (a company's, or
# its proxy's): the root trusts what the machine trusts, as it uses the
# machine's name servers, so that npm reaches its registry from there too.
if compgen -G "/usr/local/share/ca-certificates/*" >/dev/null; then
    cp -r /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/"
    chroot "$root" update-ca-certificates >/dev/null
fi
echo "127.0.1.1 $(hostname)" >>"$root/etc/hosts"
chroot "$root" useradd --create-home --shell /bin/bash --groups sudo "$user"
echo "$user ALL=(ALL) NOPASSWD:ALL" >"$root/etc/sudoers.d/$user"
chmod 0440 "$root/etc/sudoers.d/$user"
# The kept packages' files, where the root's apt downloads, and the kept
# ~/.cache of the user.
mount --bind "$cache/debs" "$root/var/cache/apt/archives"
chroot "$root" chown _apt:root /var/cache/apt/archives/partial
mkdir -p "$root/home/$user/.cache"
mount --bind "$cache/home" "$root/home/$user/.cache"
chroot "$root" chown -R "$user:$user" "/home/$user/.cache"

# The tree as it is, with what is not committed yet, without build folders.
copy="/home/$user/glut-demos"
mkdir -p "$root$copy"
if git -C "$here" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$here" ls-files -z --cached --others --exclude-standard |
        (cd "$here" && xargs -0 stat --printf '%n\0' 2>/dev/null) |
        tar -C "$here" --null -T - -cf - | tar -C "$root$copy" -xf -
else
    tar -C "$here" --exclude='./build*' -cf - . | tar -C "$root$copy" -xf -
fi
chroot "$root" chown -R "$user:$user" "$copy"

# The packages the tests need, installed by the user through sudo as test.sh
# would; then, with DEMO_RELEASE_AFTER, the wait for that lock file, which
# whoever runs tests beside this holds until they end.
status=0
echo "== ./demo.sh --install on Debian $release, as $user"
chroot "$root" su - "$user" -c "cd $copy && ./demo.sh --install" || status=$?
if [ $status -eq 0 ] && [ -n "${DEMO_RELEASE_AFTER:-}" ]; then
    # The longest compile of a first run, Mesa for the web, is made at the
    # lowest priority while the other tests run, so it takes only the time
    # they leave idle; the second run finds it made. When it fails, the web
    # pass tries again and reports why.
    echo "== the GL implementation for the web on Debian $release, at low priority"
    chroot "$root" su - "$user" -c "cd $copy && nice -n 19 web/runtime.sh >/dev/null" ||
        echo "(not made now: the web pass makes it)"
    echo "== waiting for the tests that hold $DEMO_RELEASE_AFTER"
    flock "$DEMO_RELEASE_AFTER" true
fi
if [ $status -eq 0 ]; then
    echo "== ./test.sh ${test_options[*]} on Debian $release, as $user (umask $(chroot "$root" su - "$user" -c umask))"
    chroot "$root" su - "$user" -c "cd $copy && ./test.sh ${test_options[*]@Q}" || status=$?
fi
# The kept packages' files that the archive no longer serves go, judged by
# the lists the run's installs read (without them, every file would seem gone).
if compgen -G "$root/var/lib/apt/lists/*_Packages" >/dev/null; then
    chroot "$root" apt-get -q autoclean >/dev/null || true
fi
exit $status
