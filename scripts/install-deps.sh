#!/usr/bin/env bash
# Installs the Debian packages the program, its tests and its fuzz targets need, only when one
# is missing.
set -euo pipefail

#   scripts/install-deps.sh                 what the tests and fuzz targets need (and the program)
#   scripts/install-deps.sh program         what building and starting the program needs
#   scripts/install-deps.sh fresh-machine   what scripts/fresh-machine-check.sh needs on the host
#   scripts/install-deps.sh translations    what scripts/update-translations.sh needs (Qt's lupdate, lrelease)
program_packages=(g++ cmake make qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev fonts-liberation)
# desktop-file-utils and appstream check the installed program; dpkg-dev and file build its
# package (CPack asks file what each program is) and lintian checks it as Debian's archive does.
test_packages=(poppler-utils libgtest-dev libbenchmark-dev clang clang-format git desktop-file-utils appstream dpkg-dev
    file lintian)
fresh_machine_packages=(debootstrap git)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Not root and no sudo: install ${missing[*]} by hand." >&2; exit 1; }
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

if [ "${1:-}" = "translations" ]; then
    install_missing qt6-l10n-tools
    exit 0
fi
if [ "${1:-}" = "fresh-machine" ]; then
    install_missing "${fresh_machine_packages[@]}"
    exit 0
fi
install_missing "${program_packages[@]}"
[ "${1:-}" = "program" ] && exit 0
install_missing "${test_packages[@]}"

# libFuzzer comes with clang's runtime libraries, packaged per clang version (libclang-rt-14-dev
# for clang 14).
fuzzer="$(clang++ -print-resource-dir)/lib/linux/libclang_rt.fuzzer-$(uname -m).a"
if [ ! -f "$fuzzer" ]; then
    install_missing "libclang-rt-$(clang++ -dumpversion | cut -d. -f1)-dev"
fi
