#!/bin/sh
# First process of the test machine: mounts the project folder that the host
# shares at the same path, runs build/vm/job.sh there and powers off.
export PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8
mount -t proc proc /proc 2>/dev/null
mount -t sysfs sys /sys 2>/dev/null
mount -t devtmpfs dev /dev 2>/dev/null
mkdir -p /dev/pts /dev/shm
mount -t devpts devpts /dev/pts
mount -t tmpfs tmpfs /dev/shm
mount -t tmpfs tmpfs /tmp
mount -t tmpfs tmpfs /run
hostname quillon-vm
share=$(sed -n 's/.*quillon_share=\([^ ]*\).*/\1/p' /proc/cmdline)
modprobe 9pnet_virtio
modprobe 9p
mkdir -p "$share"
mount -t 9p -o trans=virtio,version=9p2000.L,msize=512000,cache=loose share "$share"
# Packages whose set-up needed 32-bit programs finish it here.
dpkg --configure -a >/dev/null 2>&1
cd "$share" && bash build/vm/job.sh > build/vm/job.log 2>&1
echo $? > "$share/build/vm/job.rc"
sync
echo o > /proc/sysrq-trigger
poweroff -f
sleep 60
