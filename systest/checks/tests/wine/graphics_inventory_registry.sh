#!/usr/bin/env bash
# The adapter inventory against Wine's WMI, display devices and registry. Wine's display device
# does not carry the PCI ID that WMI reports, so the test gives the device WMI's ID and driver
# versions in its registry key, checks each rule of the version lookup, and puts everything back.
#   graphics_inventory_registry.sh <wine-exec> <graphics_probe.exe> <stand-in, unused>
set -euo pipefail
wine_exec="$1"
probe="$2"

source "$(dirname "${BASH_SOURCE[0]}")/graphics_script_helpers.sh"

out=$(w "$probe" inventory)
echo "--- as Wine starts"
echo "$out"
pnp=$(value controller0.PNPDeviceID "$out")
caption=$(value controller0.Caption "$out")
wmi_version=$(value controller0.DriverVersion "$out")
ram=$(value controller0.AdapterRAM "$out")
wmi_date=$(value controller0.DriverDate "$out")
[ "$(value wmi "$out")" = 1 ] || fail "WMI did not answer"
[ "$(value result "$out")" = 0 ] || fail "inventory result $(value result "$out")"

find_primary_display_device "$out"
trap restore_display_device EXIT
match_display_device_to "$pnp"

nvidia=0
grep -qi nvidia <<<"$caption" && nvidia=1
# The NVIDIA renumbering of a.b.c.d, or the version as it is.
expect_version() {
  local a b c d
  IFS=. read -r a b c d <<<"$1"
  if [ $nvidia = 1 ]; then echo "$(((c % 10) * 100 + d / 100)).$((d % 100)).0.0"; else echo "$a.$b.$c.$d"; fi
}
date8=${wmi_date:0:8}
case_number=0
# Writes a value of the adapter's video key; a second try when reg.exe failed once (seen once in
# many runs, with no message, on an idle machine).
set_video_value() { # <name> <data>
  w reg add "$video_key" /v "$1" /d "$2" /f >/dev/null 2>&1 || w reg add "$video_key" /v "$1" /d "$2" /f >/dev/null
}
check() { # <what> <DriverVersion or -> <ReleaseVersion or -> <expected version before renumbering>
  case_number=$((case_number + 1))
  w reg delete "$video_key" /v DriverVersion /f >/dev/null || true
  w reg delete "$video_key" /v ReleaseVersion /f >/dev/null || true
  [ "$2" = - ] || set_video_value DriverVersion "$2" || fail "$1: DriverVersion not written"
  [ "$3" = - ] || set_video_value ReleaseVersion "$3" || fail "$1: ReleaseVersion not written"
  local got
  got=$(w "$probe" inventory)
  echo "--- $1: DriverVersion $2, ReleaseVersion $3"
  grep -E '^(device[0-9]+\.(DeviceID|DriverVersion|ReleaseVersion)|result|caption|memoryBytes|driverVersion|driverDate|pnpDeviceId)=' <<<"$got"
  [ "$(value result "$got")" = 0 ] || fail "$1: result $(value result "$got")"
  [ "$(value caption "$got")" = "$caption" ] || fail "$1: the adapter was not matched"
  [ "$(value pnpDeviceId "$got")" = "$pnp" ] || fail "$1: PNP device ID"
  [ "$(value memoryBytes "$got")" = "$ram" ] || fail "$1: memory"
  [ "$(value driverDate "$got")" = "$date8" ] || fail "$1: date"
  local want
  want=$(expect_version "$4")
  [ "$(value driverVersion "$got")" = "$want" ] || fail "$1: version $(value driverVersion "$got"), expected $want"
}

check "registry DriverVersion, tenths of the second part" 31.0.15.1659 516.59 31.0.15.1659
check "registry DriverVersion" 23.21.13.8813 - 23.210.13.8813
check "ReleaseVersion when DriverVersion is missing" - 516.59 516.0.0.0
check "ReleaseVersion when DriverVersion is empty" "" 1.2.3.4 1.20.3.4
check "WMI's version when the key has neither" - - "$wmi_version"

restore_display_device
trap - EXIT
out=$(w "$probe" inventory)
echo "--- restored"
grep -E '^(device[0-9]+\.DeviceID|result|caption)=' <<<"$out"
[ "$(value device$device_index.DeviceID "$out")" = "$device_id" ] || fail "device ID not restored"
echo "PASS ($case_number cases)"
