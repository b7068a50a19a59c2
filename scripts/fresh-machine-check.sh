#!/usr/bin/env bash
# Proves the README's two commands on a machine that has nothing installed: makes a minimal
# Debian 12 root with debootstrap, clones this checkout's last commit into it and runs ./run
# (there is no display, so it builds and says so) and ./test there as root, as on a new
# machine; then installs the Debian package made there into a second fresh root, starts the
# installed program, and removes the package again.
#   scripts/fresh-machine-check.sh
# Needs root (debootstrap, chroot, mounts) and the network. The minimal base is kept between
# runs in $FRESH_MACHINE_CACHE (default ~/.cache/hourlyrates); nothing the project installs is.
# Scratch roots go under $TMPDIR (default /var/tmp) and are removed, mounts first, also when a
# step fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=FRESH_MACHINE_CACHE,FRESH_MACHINE_MIRROR,TMPDIR "$0" "$@"
fi
mirror="${FRESH_MACHINE_MIRROR:-http://deb.debian.org/debian}"
cache="${FRESH_MACHINE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/hourlyrates}"
base="$cache/debian-12-minbase.tar"

"$root/scripts/install-deps.sh" fresh-machine
[ -z "$(git -C "$root" status --porcelain --untracked-files=no)" ] ||
    echo "Note: only committed work is checked; the checkout has uncommitted changes."

scratch="$(mktemp -d "${TMPDIR:-/var/tmp}/hourlyrates-fresh.XXXXXX")"
mounts=()

# Ends what still runs inside the roots (it would keep their mounts busy), unmounts them in
# reverse order and removes the scratch folder, but never across a mount that is still there.
cleanup() {
    local status=$? pid
    for pid in /proc/[0-9]*; do
        case "$(readlink "$pid/root" 2>/dev/null)" in "$scratch"/*) kill -9 "${pid#/proc/}" 2>/dev/null || true ;; esac
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount -R "${mounts[i]}" 2>/dev/null || umount -R -l "${mounts[i]}" || true
    done
    if grep -q " $scratch/" /proc/mounts; then
        echo "Something is still mounted below $scratch; it is left in place." >&2
        status=1
    else
        rm -rf --one-file-system "$scratch"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

started=$SECONDS
stage() { echo "== $* ($((SECONDS - started)) s so far)"; }
fail() { echo "FAILED: $*" >&2; exit 1; }

minimal_base() {
    [ -f "$base" ] && return 0
    stage "making the minimal Debian 12 base (kept in $base)"
    debootstrap --variant=minbase bookworm "$scratch/base" "$mirror" >"$scratch/debootstrap.log" ||
        { tail -n 30 "$scratch/debootstrap.log"; fail "debootstrap"; }
    mkdir -p "$cache"
    tar -C "$scratch/base" --numeric-owner -cf "$base.part" . && mv "$base.part" "$base"
    rm -rf --one-file-system "$scratch/base"
}

# A fresh root from the base, with the host's name service, no services started by packages,
# and /proc, /sys and /dev mounted.
fresh_root() {
    local dir="$scratch/$1"
    mkdir "$dir"
    tar -C "$dir" --numeric-owner -xpf "$base"
    cp /etc/resolv.conf "$dir/etc/resolv.conf"
    printf '#!/bin/sh\nexit 101\n' >"$dir/usr/sbin/policy-rc.d"
    chmod 755 "$dir/usr/sbin/policy-rc.d"
    mount -t proc proc "$dir/proc"
    mounts+=("$dir/proc")
    mount -t sysfs sysfs "$dir/sys"
    mounts+=("$dir/sys")
    mount --rbind /dev "$dir/dev"
    mounts+=("$dir/dev")
    mount --make-rslave "$dir/dev"
}

# Runs a shell command in the root as its root user, with a clean environment and no display.
in_root() {
    chroot "$scratch/$1" /usr/bin/env -i HOME=/root TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /bin/bash -c "$2"
}

minimal_base

stage "first root: clone, ./run, ./test, package"
fresh_root first
git init -q "$scratch/first/root/hourlyrates"
git -C "$scratch/first/root/hourlyrates" fetch -q "$root" HEAD
git -C "$scratch/first/root/hourlyrates" checkout -q FETCH_HEAD
in_root first 'cd /root/hourlyrates && ./run' 2>&1 | tee "$scratch/run.log" || fail "./run ended with ${PIPESTATUS[0]}"
grep -q "no display" "$scratch/run.log" || fail "./run did not say that there is no display"
stage "./run built the program, said so and ended with 0"
in_root first 'cd /root/hourlyrates && ./test' || fail "./test"
stage "./test passed"
in_root first 'cd /root/hourlyrates/build && cpack -G DEB >/dev/null' || fail "cpack -G DEB"
deb="$(cd "$scratch/first/root/hourlyrates/build" && ls hourlyrates_*.deb)"

stage "second root: install $deb, start it, remove it"
fresh_root second
cp "$scratch/first/root/hourlyrates/build/$deb" "$scratch/second/root/"
in_root second "cd /root && apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./$deb >/dev/null" ||
    fail "apt-get install ./$deb"
in_root second 'dpkg-query -W -f="\${Status}" xdg-utils | grep -q "install ok installed"' ||
    fail "apt did not install the recommended xdg-utils"
in_root second 'dpkg -L hourlyrates' >"$scratch/installed-files"
status=0
in_root second 'QT_QPA_PLATFORM=offscreen timeout 3 hourlyrates' >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the installed program ended with $status before it was stopped"
[ -d "$scratch/second/root/.local/share/Solvarra/Budgeted Hourly Rates" ] || fail "no data folder in the user's home"
in_root second 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq hourlyrates >/dev/null' || fail "apt-get remove"
while read -r file; do
    [ -d "$scratch/second$file" ] || [ ! -e "$scratch/second$file" ] || fail "$file is left after the removal"
done <"$scratch/installed-files"
stage "the package installed, started, kept its data in the home folder and was removed"
echo "Fresh machine check passed in $((SECONDS - started)) s."
