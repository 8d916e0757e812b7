#!/usr/bin/env bash
# Installs the Debian 12 packages kesh needs to build, test and run.
# Idempotent: asks apt only for what is missing, so a second run is quick.
set -euo pipefail

packages=(
    cmake ninja-build g++ ccache pkg-config
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev qt6-charts-dev libqt6printsupport6 libqt6opengl6-dev qt6-translations-l10n libgl-dev
    libgtest-dev libbenchmark-dev
    clang clang-format libclang-rt-14-dev
    tzdata xvfb xauth imagemagick fonts-noto-cjk desktop-file-utils
    librsvg2-bin appstream lintian dpkg-dev fakeroot poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
