#!/usr/bin/env bash
# Installs everything the build and the tests need. Safe to run again: it
# only asks apt for what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake make g++ clang libclang-rt-14-dev
  g++-mingw-w64-i686-win32 gcc-mingw-w64-i686-win32 mingw-w64-i686-dev binutils-mingw-w64-i686
  googletest
  xvfb xauth x11-utils imagemagick python3
  nsis
)
# Wine and its test desktop run here only where this computer runs 32-bit
# programs; elsewhere they run in the emulated test machine, which brings
# its own (tests/wine/vm/make_image.sh).
wine_packages=(
  # wine64: the test of the program on 64-bit Windows runs in a 64-bit prefix.
  wine wine32:i386 wine64
  libgl1:i386 libgl1-mesa-dri:i386 libglx-mesa0:i386 libxcomposite1:i386
  # The test desktop: Xorg's dummy driver gives Wine display modes and gamma
  # ramps (through XRandR, which Wine loads only if its 32-bit library is
  # there), PulseAudio's null sink gives it a mixer, xdotool presses keys.
  xserver-xorg-core xserver-xorg-video-dummy
  libxrandr2:i386 libxinerama1:i386 libxrender1:i386 libxcursor1:i386 libxi6:i386
  pulseaudio libpulse0:i386 libasound2-plugins:i386 xdotool
)
if bash tests/wine/host_runs_i386.sh; then
  packages+=("${wine_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  bash scripts/apt_update.sh
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
