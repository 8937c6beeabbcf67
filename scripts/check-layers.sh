#!/usr/bin/env bash
# Checks the layers of src/: a layer includes only the layers below it
# (platform, model, calc, report, ui, app, in that order), and within ui a
# window's folder includes only common, and main, on top, any of them; calc
# never reads the model and makes no text; the model has no
# windows and never talks to the user.
#   check-layers.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}/src"

rank() {
    case "$1" in
    platform) echo 1 ;; model) echo 2 ;; calc) echo 3 ;; report) echo 4 ;; ui) echo 5 ;; app) echo 6 ;;
    *) echo 0 ;;
    esac
}

# The floors of ui/: what every window shares, the windows, the main window.
floor() {
    case "$1" in
    common) echo 1 ;; about | entry | compare | help | plan | record | progress) echo 2 ;; main) echo 3 ;;
    *) echo 9 ;;
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
    if [ "$layer" = ui ]; then
        folder=$(echo "$file" | cut -d/ -f3)
        for included in $(grep -h -o -E '^#include "ui/[a-z]+/' "$file" | sed 's,#include "ui/,,; s,/,,'); do
            if [ "$included" != "$folder" ] && [ "$(floor "$included")" -ge "$(floor "$folder")" ]; then
                echo "$file: ui/$folder includes ui/$included, which is not on a floor below it"
                failed=1
            fi
        done
    fi
done
# calc never sees the model: ui/common/modelinput makes calc's figures of it.
if grep -l -E '^#include "model/' -r calc; then
    echo "calc reads the model: calc works on figures of its own (see ui/common/modelinput)"
    failed=1
fi
if grep -l -E 'Format::|QLocale|MoneyText|QStringLiteral\("[^"]*[a-z]{3}' -r calc; then
    echo "calc makes text: numbers in calc, text at the edges"
    failed=1
fi
if grep -l -i 'prompter' -r model; then
    echo "the model talks to the user: it returns results and the windows talk"
    failed=1
fi
if grep -l -E 'QtWidgets|QWidget|QDialog|QMessageBox|QApplication|QAction|QMenu' -r model; then
    echo "the model has windows: it is what the windows show, not one of them"
    failed=1
fi
[ "$failed" = 0 ] && echo "every layer includes only those below it"
exit "$failed"
