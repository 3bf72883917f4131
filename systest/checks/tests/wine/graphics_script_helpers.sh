# Shared by the graphics scripts under Wine; $wine_exec is the test bed's runner.
# A step that fails ends the script with its line, not silently (w sends Wine's errors away).
set -E
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND (exit $?)"' ERR
# w: a Windows program (or Wine tool) under the test bed, its output without CRs.
w() { "$wine_exec" "$@" 2>/dev/null | tr -d '\r'; }
# value <name> <output>: the value of the first name=value line.
value() { grep -m1 "^$1=" <<<"$2" | cut -d= -f2- || true; }
fail() {
  echo "FAIL: $*"
  exit 1
}

# The primary display device of a probe's inventory output, and its registry keys. Sets
# device_index, device_id, device_key, video_key (its driver key), enum_key (its device instance)
# and hardware_id (as Wine wrote it).
find_primary_display_device() {
  local out="$1"
  device_index=0
  while [ -n "$(value device$device_index.StateFlags "$out")" ]; do
    (($(value device$device_index.StateFlags "$out") & 4)) && break
    device_index=$((device_index + 1))
  done
  device_id=$(value device$device_index.DeviceID "$out")
  device_key=$(value device$device_index.DeviceKey "$out")
  [ -n "$device_id" ] && [ -n "$device_key" ] || fail "no primary display device"
  video_key="HKLM\\${device_key#\\Registry\\Machine\\}"
  enum_key=$(w reg query "HKLM\\System\\CurrentControlSet\\Enum\\$device_id" | grep -m1 -i "^HKEY_LOCAL_MACHINE.*\\\\[0-9A-F&]*$" || true)
  [ -n "$enum_key" ] || fail "no device key below Enum\\$device_id"
  hardware_id=$(w reg query "$enum_key" /v HardwareID | awk '/HardwareID/{print $3}')
  [ -n "$hardware_id" ] || fail "no HardwareID in $enum_key"
}

# Wine's display device does not carry the PCI ID that WMI reports: give it WMI's ID up to the
# instance part, so that the device ID is the start of the PNP device ID and the adapter matches.
# Wine 10 takes the id from its own GPU list and ignores the registry: there the probe's primary
# display device is given the id instead (VELKORA_PROBE_DISPLAY_DEVICE_ID, a test double inside the
# probe), and the rest of the inventory (WMI, the display driver's registry key) stays Windows'.
match_display_device_to() { # <WMI PNPDeviceID>
  w reg add "$enum_key" /v HardwareID /t REG_MULTI_SZ /d "${1%\\*}" /f >/dev/null
  local after
  after=$(w "$probe" inventory)
  if [ -z "$(value caption "$after")" ]; then
    echo "Wine's display device does not take WMI's id from the registry: the probe's primary display device carries ${1%\\*}"
    export VELKORA_PROBE_DISPLAY_DEVICE_ID="${1%\\*}"
  fi
}

# Puts back what find_primary_display_device found and removes driver versions set by a test.
restore_display_device() {
  unset VELKORA_PROBE_DISPLAY_DEVICE_ID
  w reg add "$enum_key" /v HardwareID /t REG_MULTI_SZ /d "$hardware_id" /f >/dev/null || true
  w reg delete "$video_key" /v DriverVersion /f >/dev/null || true
  w reg delete "$video_key" /v ReleaseVersion /f >/dev/null || true
}
