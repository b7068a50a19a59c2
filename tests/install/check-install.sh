#!/usr/bin/env bash
# Installs the build into a scratch folder and checks what a desktop sees of it: the menu entry
# and the AppStream file pass their validators, the installed program starts and keeps its data
# in the user's data folder, and a program folder that already holds data keeps being used.
#   check-install.sh <build folder>
set -euo pipefail
build="$1"
app_id=com.solvarra.hourlyrates
skip=77 # CTest reports this as skipped

for tool in desktop-file-validate appstreamcli timeout; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing (scripts/install-deps.sh installs it)"
        exit $skip
    fi
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

dest="$scratch/root"
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
share="$dest/usr/share"
for file in usr/bin/hourlyrates \
    usr/share/applications/$app_id.desktop \
    usr/share/metainfo/$app_id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    usr/share/icons/hicolor/48x48/apps/$app_id.png \
    usr/share/icons/hicolor/256x256/apps/$app_id.png \
    usr/share/hourlyrates/help/index.html; do
    [ -f "$dest/$file" ] || fail "$file is not installed"
done
windows_library="$(echo "$dest"/usr/lib/*/hourlyrates/libhourlyrates-windows.so)"
[ -f "$windows_library" ] || fail "the windows' library is not installed"
desktop-file-validate "$share/applications/$app_id.desktop" || fail "the menu entry is not valid"
appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" || fail "the AppStream file is not valid"

# Runs the program at $1 for two seconds with a fresh home folder $2; it has no command line
# and never ends by itself, so still running at the end means it started.
start_briefly() {
    local rc=0
    HOME="$2" XDG_DATA_HOME="$2/.local/share" QT_QPA_PLATFORM=offscreen timeout 2 "$1" >/dev/null 2>&1 || rc=$?
    [ "$rc" -eq 124 ] || fail "$1 ended with $rc before it was stopped"
}
user_data="Solvarra/Budgeted Hourly Rates"

# A new user of the installed program: the data folder is made in the home folder, nothing is
# written next to the executable.
mkdir "$scratch/home"
start_briefly "$dest/usr/bin/hourlyrates" "$scratch/home"
[ -d "$scratch/home/.local/share/$user_data" ] || fail "the user's data folder was not made"
[ "$(ls -A "$dest/usr/bin")" = "hourlyrates" ] || fail "files were written next to the executable: $(ls -A "$dest/usr/bin")"

# A portable set-up: the program and its windows' library in a folder that holds the list file,
# so it stays the data folder. The program shows it by clearing away the cut-off save copy left
# there.
portable="$scratch/portable"
mkdir "$portable" "$scratch/home2"
cp "$dest/usr/bin/hourlyrates" "$windows_library" "$portable/"
printf 'Press\r\n' >"$portable/budget.fyl"
printf 'Press\r\n' >"$portable/budget.fyl.aBcDeF"
start_briefly "$portable/hourlyrates" "$scratch/home2"
[ ! -e "$portable/budget.fyl.aBcDeF" ] || fail "the program folder holding budget.fyl was not used"
[ -f "$portable/budget.fyl" ] || fail "budget.fyl was lost"
[ ! -e "$scratch/home2/.local/share/$user_data" ] || fail "a user's data folder was made beside a portable set-up"
echo "install checks passed"
