#!/usr/bin/env bash
# Checks the layers of src/: a layer includes only the layers below it
# (platform, model, calc, report, ui, app, in that order); calc makes no
# text; the model never talks to the user.
#   check-layers.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}/src"

rank() {
    case "$1" in
    platform) echo 1 ;; model) echo 2 ;; calc) echo 3 ;; report) echo 4 ;; ui) echo 5 ;; app) echo 6 ;;
    *) echo 0 ;;
    esac
}

failed=0
for file in $(find . -name '*.cpp' -o -name '*.h' | sort); do
    layer=$(echo "$file" | cut -d/ -f2)
    own=$(rank "$layer")
    for included in $(grep -h -o -E '^#include "[a-z]+/' "$file" | sed 's/#include "//; s,/,,'); do
        if [ "$(rank "$included")" -gt "$own" ]; then
            echo "$file: $layer includes $included, a layer above it"
            failed=1
        fi
    done
done
if grep -l -E 'Format::|QLocale|MoneyText|QStringLiteral\("[^"]*[a-z]{3}' -r calc; then
    echo "calc makes text: numbers in calc, text at the edges"
    failed=1
fi
if grep -l -i 'prompter' -r model; then
    echo "the model talks to the user: it returns results and the windows talk"
    failed=1
fi
[ "$failed" = 0 ] && echo "every layer includes only those below it"
exit "$failed"
