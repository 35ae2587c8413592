#!/usr/bin/env bash
# Runs a command in the test machine (make_image.sh) with the project folder
# shared at the same path: run.sh <command text>. Prints the command's output
# and exits with its status.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
project=$(cd "$here/../../.." && pwd)
cache=${QUILLON_VM_CACHE:-/var/cache/quillon-wine-vm}
# One test machine at a time on this computer: it takes every core, and the
# image is shared. A second caller (another work tree) waits its turn.
mkdir -p "$cache"
exec 9>"$cache/.lock"
flock 9
bash "$here/make_image.sh" || exit 1

mkdir -p "$project/build/vm"
# Mesa's llvmpipe compiles its first shaders with LLVM, which under the
# translated CPU takes longer than any test waits for a frame; softpipe draws
# at once.
printf 'export GALLIUM_DRIVER=softpipe\n%s\n' "$*" > "$project/build/vm/job.sh"
rm -f "$project/build/vm/job.rc" "$project/build/vm/job.log"
kernel=$(ls "$cache"/root/boot/vmlinuz-* | sort -V | tail -1)
initrd=$(ls "$cache"/root/boot/initrd.img-* | sort -V | tail -1)
# No KVM here: QEMU translates the code. Its SMAP emulation faults on the
# iret that Wine's 32-bit code uses, so SMAP and SMEP are off.
boot() {
  timeout 5400 qemu-system-x86_64 -m 6G -smp "$(nproc)" -accel tcg,thread=multi \
    -cpu max,-smap,-smep -nographic -no-reboot \
    -kernel "$kernel" -initrd "$initrd" \
    -append "root=/dev/vda rw console=ttyS0 quiet panic=1 init=/quillon-init quillon_share=$project" \
    -drive file="$cache/root.img",format=raw,if=virtio \
    -virtfs local,path="$project",mount_tag=share,security_model=passthrough,id=share \
    > "$project/build/vm/console.log" 2>&1
}
# The translated kernel now and then stops on its own start-up code (a panic
# in the first seconds, seen as an int3 oops while it patches itself). The
# command has not started then (the guest makes job.log only when it runs it),
# so booting again is safe; a machine that stopped during the command is not
# restarted.
for attempt in 1 2 3; do
  boot
  [ -f "$project/build/vm/job.log" ] && break
  echo "the test machine stopped before the command started (boot $attempt of 3); its console:" >&2
  tail -12 "$project/build/vm/console.log" >&2
done
cat "$project/build/vm/job.log" 2>/dev/null
if [ ! -f "$project/build/vm/job.rc" ]; then
  echo "the test machine stopped before the command ended; its console:" >&2
  tail -30 "$project/build/vm/console.log" >&2
  exit 1
fi
exit "$(cat "$project/build/vm/job.rc")"
