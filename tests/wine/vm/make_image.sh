#!/usr/bin/env bash
# Builds the disk image of the test machine used where this computer cannot
# run 32-bit x86 code itself (and so cannot run 32-bit Wine): a Debian system
# with Wine, Xvfb and CMake, started under QEMU. The image is kept in
# $QUILLON_VM_CACHE (default /var/cache/quillon-wine-vm) and rebuilt only when
# this script or the guest's start-up script change.
# Debian 13 (Wine 10), not 12: Debian 12's Wine 8 build leaves the device
# contexts of child windows without an X drawable, so OpenGL drawn into a
# child window (the animation strip) never reaches the screen.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${QUILLON_VM_CACHE:-/var/cache/quillon-wine-vm}
stamp=$(cat "$here/make_image.sh" "$here/guest_init.sh" | sha256sum | cut -c1-16)
if [ -f "$cache/root.img" ] && [ "$(cat "$cache/stamp" 2>/dev/null)" = "$stamp" ]; then
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
need=()
for tool in qemu-system-x86_64:qemu-system-x86 debootstrap:debootstrap mke2fs:e2fsprogs; do
  command -v "${tool%%:*}" >/dev/null || need+=("${tool#*:}")
done
if [ ${#need[@]} -gt 0 ]; then
  bash "$here/../../../scripts/apt_update.sh"
  apt-get install -y -q --no-install-recommends "${need[@]}"
fi

mkdir -p "$cache"
root=$cache/root
# Installs packages into the image once: add_packages <marker> <package>...
add_packages() {
  local marker=$root/.quillon-packages-$1
  shift
  [ -f "$marker" ] && return 0
  cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
  mount --bind /proc "$root/proc"
  trap 'umount "$root/proc" 2>/dev/null || true' EXIT
  bash "$here/../../../scripts/apt_update.sh" "$root"
  # Set-up steps of 32-bit packages cannot run here; the guest finishes them.
  chroot "$root" apt-get install -y -q --no-install-recommends "$@" || true
  chroot "$root" apt-get clean
  umount "$root/proc"
  trap - EXIT
  touch "$marker"
}
if [ ! -f "$root/.quillon-packages" ]; then
  rm -rf "$root"
  debootstrap --variant=minbase --arch=amd64 \
    --include=linux-image-amd64,kmod,xvfb,xauth,x11-utils,cmake,imagemagick,python3,procps \
    trixie "$root" http://deb.debian.org/debian
  chroot "$root" dpkg --add-architecture i386
  add_packages wine wine wine32:i386 wine64 libgl1:i386 libgl1-mesa-dri:i386 libglx-mesa0:i386
  touch "$root/.quillon-packages"
fi
# Wine draws OpenGL into child windows (the animation strip) through
# XComposite, which it loads only if the library is there.
add_packages composite libxcomposite1:i386
# Wine's own fonts: without Marlett the caption buttons it draws show letters.
add_packages fonts fonts-wine
# The test desktop: Xorg's dummy driver gives Wine display modes and gamma
# ramps (through XRandR, which Wine loads only if its 32-bit library is
# there), PulseAudio's null sink gives it a mixer, xdotool presses keys.
add_packages desktop xserver-xorg-core xserver-xorg-video-dummy \
  libxrandr2:i386 libxinerama1:i386 libxrender1:i386 libxcursor1:i386 libxi6:i386 \
  pulseaudio libpulse0:i386 libasound2-plugins:i386 xdotool
install -m 0755 "$here/guest_init.sh" "$root/quillon-init"
rm -f "$cache/root.img"
mke2fs -q -t ext4 -d "$root" -F "$cache/root.img" 8G
echo "$stamp" > "$cache/stamp"
