#!/usr/bin/env bash
# Brings the translation sources in translations/ up to date with the texts
# in the code, or starts a new language:
#   tools/update-translations.sh          every language in translations/
#   tools/update-translations.sh nl       adds translations/veltrano_nl.ts
# New and changed texts come in unfinished, to be translated (by hand or in
# Qt Linguist); texts that left the code are dropped with their translation.
set -euo pipefail
cd "$(dirname "$0")/.."
"$(pwd)/tools/setup.sh"

lupdate=$(qtpaths6 --query QT_HOST_BINS)/lupdate
options=(-locations none -no-obsolete -source-language en)
if [ $# -gt 0 ]; then
    language=$1
    [[ $language =~ ^[a-z]{2,3}(_[A-Z]{2})?$ ]] || { echo "not a language name like de or pt_BR: $language" >&2; exit 2; }
    exec "$lupdate" "${options[@]}" -target-language "$language" src -ts "translations/veltrano_$language.ts"
fi
exec "$lupdate" "${options[@]}" src -ts translations/veltrano_*.ts
