#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks that it carries the program, its
# menu entry, icons and AppStream file, and declares the Qt libraries it needs.
#   check-deb.sh <build folder>
set -euo pipefail
build="$1"
app_id=com.solvarra.HourlyRates

for tool in cpack dpkg-deb; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is missing"
        exit 77
    fi
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
deb="$(ls "$scratch"/*.deb)"
contents="$(dpkg-deb -c "$deb")"
for file in ./usr/bin/hourlyrates \
    ./usr/share/applications/$app_id.desktop \
    ./usr/share/metainfo/$app_id.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    ./usr/share/icons/hicolor/48x48/apps/$app_id.png \
    ./usr/share/icons/hicolor/256x256/apps/$app_id.png \
    ./usr/share/hourlyrates/help/index.html \
    ./usr/share/doc/hourlyrates/copyright; do
    grep -qF " $file" <<<"$contents" || fail "$file is not in $(basename "$deb")"
done
depends="$(dpkg-deb -f "$deb" Depends)"
for library in libqt6widgets6 libqt6printsupport6 libqt6charts6 libqt6gui6 libqt6core6; do
    grep -q "$library" <<<"$depends" || fail "the package does not depend on $library (Depends: $depends)"
done
echo "$(basename "$deb") holds the program and declares: $depends"
