#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, only when some are missing.
#   scripts/deps.sh [EXTRA-PACKAGE...]   also the extra packages a script needs
set -euo pipefail

PACKAGES=(
    build-essential cmake ninja-build pkg-config git ccache lld
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
    libsnmp-dev libjpeg62-turbo-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format-14
    snmpsim snmpd snmp python3
    xvfb xauth x11-utils imagemagick
    fonts-liberation2
)
PACKAGES+=("$@")

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "Installing: ${missing[*]}"
SUDO=
if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
fi
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
