#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, and
# nothing when they are all present.
set -euo pipefail

packages=(
    build-essential cmake make
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libcups2-dev libqt6sql6-sqlite
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation
    cups cups-daemon cups-client printer-driver-cups-pdf poppler-utils
    desktop-file-utils appstream dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Run as root (or with sudo) to install the missing packages." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
