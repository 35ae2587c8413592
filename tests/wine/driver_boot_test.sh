#!/usr/bin/env bash
# The r6probe service as the overclocking tab's installation offer writes it
# (its own registry values, the driver copied into the system folder),
# started by Wine's next boot: driver_boot_test.sh <prefix-dir> <clockwork_tests.exe>
set -uo pipefail
prefix=$1 tests=$2
here=$(dirname "$0")
"$here/run.sh" "$prefix" "$tests" --gtest_filter=ClockworkTab.OnNtWithoutTheServiceItOffersTheInstallation \
  || exit 1
# A restart: every Wine process of the prefix ends, the next program boots it again.
WINEPREFIX=$prefix wineserver -k
WINEPREFIX=$prefix wineserver -w
CLOCKWORK_AFTER_BOOT=1 "$here/run.sh" "$prefix" "$tests" --gtest_filter=ClockworkDriverBoot.*
