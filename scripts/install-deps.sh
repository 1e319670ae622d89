#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Kelvo needs to build, test and run that is missing.
set -euo pipefail

packages=(
    cmake g++ make
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
    libpugixml-dev
    libgtest-dev libbenchmark-dev
    fonts-liberation   # metric-compatible stand-in for the handheld's Arial
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
