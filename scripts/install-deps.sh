#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need, and only those that
# are missing. Quiet when everything is already there; safe to run again.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    libglfw3-dev libglew-dev libglm-dev libassimp-dev libstb-dev libinih-dev libbullet-dev
    libopenal-dev libsndfile1-dev rapidjson-dev
    libgtest-dev
    xvfb xauth libgl1-mesa-dri xdotool
    g++-mingw-w64-x86-64 wine wine64 zip unzip xz-utils
    gnuplot-nox time glslang-tools clang-format
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

echo "Installing the Debian packages that are missing (if any)..."
if [ "${#missing[@]}" -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

echo "Installing missing packages: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
