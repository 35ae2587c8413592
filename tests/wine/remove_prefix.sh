#!/usr/bin/env bash
# Ends the prefix's Wine server and deletes the prefix: remove_prefix.sh <dir>
prefix=$1
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
rm -rf "$prefix"
