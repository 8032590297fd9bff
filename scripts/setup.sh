#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Tesmira need.
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
          mdbtools-dev libsqlite3-dev libbenchmark-dev xvfb xauth imagemagick xdotool fonts-dejavu-core fonts-liberation2)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
