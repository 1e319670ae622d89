#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Kelvo needs to build, test and run that is missing,
# and the locale with a decimal comma that the tests of number formatting run under.
#   scripts/install-deps.sh          what the build and the tests need
#   scripts/install-deps.sh --vnc    and the X server and VNC server for a machine without display
#   scripts/install-deps.sh --with PACKAGE...   and these packages (the package and kiosk checks)
set -euo pipefail

packages=(
    cmake g++ make ninja-build
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
    qt6-pdf-dev        # the receipt dialog shows the receipt's PDF page
    poppler-utils      # pdftotext, pdfimages: the tests read the receipts back
    qt6-l10n-tools qt6-tools-dev   # lupdate and lrelease, and their CMake functions
    qt6-translations-l10n          # Qt's own texts (message box buttons) in Spanish
    dpkg-dev                       # dpkg-shlibdeps for the Debian package (cpack -G DEB)
    libpugixml-dev
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev   # libFuzzer for the fuzz targets (scripts/fuzz.sh)
    fonts-liberation   # metric-compatible stand-in for the handheld's Arial
    locales            # de_DE.UTF-8 below
    # Qt's on-screen keyboard (--keyboard) and the QML modules it loads; the keyboard's
    # scenario shows it
    qt6-virtualkeyboard-plugin qml6-module-qtqml-workerscript qml6-module-qt-labs-folderlistmodel
    qml6-module-qtquick-window qml6-module-qtquick-layouts qml6-module-qtquick-controls
    qml6-module-qtquick-templates
    xvfb xauth         # the keyboard's scenario runs on an X server (xvfb-run)
)
if [ "${1:-}" = "--vnc" ]; then
    packages+=(xvfb x11vnc)
elif [ "${1:-}" = "--with" ]; then
    shift
    packages+=("$@")
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Data files always carry a decimal point; the tests prove it under a locale that writes a comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Generating the locale de_DE.UTF-8"
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
