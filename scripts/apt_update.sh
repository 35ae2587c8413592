#!/usr/bin/env bash
# apt-get update that survives a mirror in the middle of a sync: it tries
# three times and then goes on with the package lists that did arrive.
# Runs apt-get in the system given as $1 (a chroot), or here without one.
run=()
[ -n "${1:-}" ] && run=(chroot "$1")
[ "$(id -u)" -ne 0 ] && [ ${#run[@]} -eq 0 ] && run=(sudo)
for attempt in 1 2 3; do
  "${run[@]}" apt-get update -q && exit 0
  sleep 5
done
echo "apt_update: some package lists could not be fetched; going on with the rest" >&2
exit 0
