#!/usr/bin/env bash
# Runs the DPI test of the windows at 96, 144 and 192 DPI, in English and German. Wine takes the DPI from the prefix's
# LogPixels value when its server starts, so the runs use a copy of the test bed's prefix with a
# server of its own, and the shared test bed is left as it is.
#   dpi_screenshots.sh TEST_EXE COPY_DIR
set -euo pipefail
test_exe="$1"
copy="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../../.." && pwd)"
eval "$("$here/testbed/wine-testbed" start)"
base="$WINEPREFIX"
# A copy per Wine version: a prefix once opened by Wine 10 is no longer one for Wine 8.
[ "${VELKORA_WINE:-8}" = 8 ] || copy="$copy-wine$VELKORA_WINE"
# shellcheck source=testbed/remove-tree.sh
. "$here/testbed/remove-tree.sh"
if [ ! -f "$copy/system.reg" ]; then
  # A copy left half made goes, unless something is mounted inside it.
  [ ! -e "$copy" ] || remove_tree "$copy"
  mkdir -p "$(dirname "$copy")"
  cp -a "$base" "$copy"
fi
export WINEPREFIX="$copy"
status=0
for dpi in 96 144 192; do
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  echo "== $dpi DPI"
  VELKORA_EXPECTED_DPI="$dpi" wine "$test_exe" </dev/null || status=1
  # The windows in German too (the licence test shows both licences already).
  echo "== $dpi DPI, German"
  LC_ALL=de_DE.UTF-8 VELKORA_EXPECTED_DPI="$dpi" wine "$test_exe" --gtest_filter='DialogProgram.*' </dev/null ||
    status=1
done
wineserver -k 2>/dev/null || true
exit $status
