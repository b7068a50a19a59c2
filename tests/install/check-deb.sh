#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks that it carries the program, its
# menu entry, icons, AppStream file, manual page, copyright and changelog, declares the Qt
# libraries it needs and recommends what Help and the reports use, and that lintian and
# appstreamcli find nothing to say about it beyond the deliberate tag below.
#   check-deb.sh <build folder>
set -euo pipefail
build="$1"
app_id=com.solvarra.hourlyrates

# The guide lives with the program's shared files, not in /usr/share/doc: the program opens it
# itself, and minimal systems often leave /usr/share/doc out.
deliberate_tags=(package-contains-documentation-outside-usr-share-doc)

for tool in cpack dpkg-deb lintian appstreamcli; do
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
    ./usr/share/man/man1/hourlyrates.1.gz \
    ./usr/share/doc/hourlyrates/changelog.gz \
    ./usr/share/doc/hourlyrates/copyright; do
    grep -qF " $file" <<<"$contents" || fail "$file is not in $(basename "$deb")"
done
grep -qE " \./usr/lib/[^/]+/hourlyrates/libhourlyrates-windows\.so$" <<<"$contents" ||
    fail "the windows' library is not in $(basename "$deb")"
depends="$(dpkg-deb -f "$deb" Depends)"
for library in libqt6widgets6 libqt6printsupport6 libqt6charts6 libqt6gui6 libqt6core6; do
    grep -q "$library" <<<"$depends" || fail "the package does not depend on $library (Depends: $depends)"
done
recommends="$(dpkg-deb -f "$deb" Recommends)"
for package in xdg-utils fonts-liberation; do
    grep -q "$package" <<<"$recommends" || fail "the package does not recommend $package (Recommends: $recommends)"
done

# Every tag lintian reports, pedantic and experimental ones included, except the deliberate ones.
tags="$(lintian --info --display-experimental --pedantic "$deb" 2>/dev/null)" || fail "lintian failed: $tags"
for tag in "${deliberate_tags[@]}"; do
    tags="$(grep -v "^I: hourlyrates: $tag " <<<"$tags" || true)"
done
[ -z "$tags" ] || fail "lintian reports:"$'\n'"$tags"

dpkg-deb -x "$deb" "$scratch/files"
metainfo="$scratch/files/usr/share/metainfo/$app_id.metainfo.xml"
validation="$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)" || fail "appstreamcli: $validation"
if grep -q '^[EWIP]: ' <<<"$validation"; then
    fail "appstreamcli reports:"$'\n'"$validation"
fi
grep -q "<developer_name>" "$metainfo" || fail "the AppStream file names no developer that Debian 12 shows"
echo "$(basename "$deb") holds the program, passes lintian and appstreamcli, and declares: $depends"
