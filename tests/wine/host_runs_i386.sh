#!/usr/bin/env bash
# Exits 0 when this computer can run 32-bit x86 Linux programs itself, which
# 32-bit Wine needs. Some virtual machines run 64-bit code only; there the
# Wine tests go to the emulated test machine of tests/wine/vm. A user-mode
# emulator registered for 32-bit programs does not count: Wine does not run
# under it. The check needs no 32-bit package: it runs a 93-byte static i386
# program that only calls exit(0), so set-up can ask it before installing.
for entry in /proc/sys/fs/binfmt_misc/*; do
  [ -f "$entry" ] || continue
  if grep -q '^enabled' "$entry" 2>/dev/null && grep -q '^interpreter .*qemu-i386' "$entry"; then
    exit 1
  fi
done
probe=$(mktemp "${TMPDIR:-/tmp}/i386-probe.XXXXXX") || exit 1
trap 'rm -f "$probe"' EXIT
# ELF header, one loadable segment at 0x08048000, then:
# mov eax, 1 / xor ebx, ebx / int 0x80
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'\
'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'\
'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'\
'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'\
'\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'\
'\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' > "$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
