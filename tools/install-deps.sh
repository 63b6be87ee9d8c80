#!/usr/bin/env bash
# Installs what building, running and testing the editor need, from the
# distribution's packages; does nothing when everything is there.
set -euo pipefail

packages=(
    cmake g++ make
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
    libgtest-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth x11-apps
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
