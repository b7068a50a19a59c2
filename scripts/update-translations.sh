#!/usr/bin/env bash
# Gathers every text the program shows into translations/hourlyrates_LANG.ts for a translator to
# fill in with Qt Linguist, keeping what is already translated, and makes the .qm files the
# program loads from its translations folder (beside it, or share/hourlyrates/translations).
#   scripts/update-translations.sh de fr     start or bring up to date German and French
#   scripts/update-translations.sh           bring up to date every translation there is
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh translations
tools=/usr/lib/qt6/bin
mkdir -p translations
languages=("$@")
if [ ${#languages[@]} -eq 0 ]; then
    for ts in translations/hourlyrates_*.ts; do
        [ -e "$ts" ] || { echo "No translation yet: name a language, for example: $0 de" >&2; exit 1; }
        languages+=("$(basename "$ts" .ts | sed 's/^hourlyrates_//')")
    done
fi
for language in "${languages[@]}"; do
    ts="translations/hourlyrates_${language}.ts"
    # -I . lets lupdate find the headers the sources name by folder, so each class gets its full name.
    "$tools/lupdate" -I . -extensions cpp,h,in -target-language "$language" -no-obsolete \
        textrules store engine pricing report platform forms app -ts "$ts"
    "$tools/lrelease" "$ts" -qm "translations/hourlyrates_${language}.qm"
done
