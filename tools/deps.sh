#!/usr/bin/env bash
# Installs the Debian 12 packages Orvane builds, tests and runs with, when any is missing.
set -euo pipefail
packages=(cmake g++ make ccache
    qtbase5-dev qtbase5-dev-tools libqt5svg5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
    libbenchmark-dev
    xvfb xauth x11-utils xdotool imagemagick fonts-wqy-microhei xdg-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
