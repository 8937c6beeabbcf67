#!/usr/bin/env bash
# Installs the program into a temporary prefix and starts the installed copy
# offscreen with a home folder of its own. At start it creates its empty data
# file, which must appear in that home's data folder, with nothing new beside
# the program. The desktop entry and the metadata must validate.
#   test-install.sh BUILD_DIR
set -euo pipefail
build=${1:?build folder}
id=org.varnholt.Varnholt
tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$tmp/prefix" > /dev/null
desktop-file-validate "$tmp/prefix/share/applications/$id.desktop" || fail "the desktop entry"
appstreamcli validate --no-net "$tmp/prefix/share/metainfo/$id.metainfo.xml" > /dev/null ||
    fail "the metadata: $(appstreamcli validate --no-net "$tmp/prefix/share/metainfo/$id.metainfo.xml")"
for size in 16x16 32x32 48x48 64x64 128x128 256x256; do
    [ -f "$tmp/prefix/share/icons/hicolor/$size/apps/$id.png" ] || fail "no $size icon"
done

bin_before=$(ls -A "$tmp/prefix/bin")
mkdir -m 700 "$tmp/home" "$tmp/runtime"
env -i HOME="$tmp/home" PATH="$PATH" XDG_RUNTIME_DIR="$tmp/runtime" QT_QPA_PLATFORM=offscreen \
    "$tmp/prefix/bin/varnholt" > "$tmp/output" 2>&1 &
pid=$!
data="$tmp/home/.local/share/Varnholt/debts.dat"
# The program runs until it is closed: wait (at most 20 s) for its start-up.
for _ in $(seq 200); do
    [ -f "$data" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$tmp/output")"
    sleep 0.1
done
[ -f "$data" ] || fail "no data file in $(dirname "$data"): $(find "$tmp/home" -type f)"
[ ! -s "$data" ] || fail "the new data file is not empty"
[ "$(ls -A "$tmp/prefix/bin")" = "$bin_before" ] || fail "files beside the program: $(ls -A "$tmp/prefix/bin")"
echo "installed copy keeps its data in $(dirname "$data")"
