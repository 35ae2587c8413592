#!/usr/bin/env bash
# Exits 0 when this computer can run 32-bit x86 Linux programs itself, which
# 32-bit Wine needs. Some virtual machines run 64-bit code only; there the
# Wine tests go to the emulated test machine of tests/wine/vm. A user-mode
# emulator registered for 32-bit programs does not count: Wine does not run
# under it.
for entry in /proc/sys/fs/binfmt_misc/*; do
  [ -f "$entry" ] || continue
  if grep -q '^enabled' "$entry" 2>/dev/null && grep -q '^interpreter .*qemu-i386' "$entry"; then
    exit 1
  fi
done
/lib/ld-linux.so.2 --version >/dev/null 2>&1
