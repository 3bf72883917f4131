#!/usr/bin/env bash
# Wall time of Zentoli.exe runs under Wine beside that of an empty Windows program, in one run of
# this script, so that the cost of the diagnostic run itself shows.
#   zentoli/bench/zentoli_wall_time.sh [windows build dir] [runs]
# Zentoli is timed twice: as Wine leaves it (no display device matches WMI's adapter, so the run
# ends after the adapter check) and with the display device matched (the whole run: WMI, OpenGL
# context, extensions, both shader programs). The registry values changed for the second are put back.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build/windows}"
runs="${2:-5}"
cmake --build "$build" --target Zentoli zentoli_bench_empty >/dev/null
eval "$("$root/testbed/wine-testbed" start)"

work="$(mktemp -d)"
enum_key='HKLM\System\CurrentControlSet\Enum\PCI\VEN_0000&DEV_0000&SUBSYS_00000000&REV_00\00000000'
video_key=""
cleanup() {
  if [ -n "$video_key" ]; then
    wine reg add "$enum_key" /v HardwareID /t REG_MULTI_SZ /d 'PCI\VEN_0000&DEV_0000&SUBSYS_00000000&REV_00' /f >/dev/null 2>&1 || true
    wine reg delete "$video_key" /v DriverVersion /f >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
cp "$build/deliverable/Zentoli.exe" "$build/deliverable/"*.vert "$build/deliverable/"*.frag "$work/"
cp "$build/zentoli/bench/zentoli_bench_empty.exe" "$work/"
cd "$work"

# Wine undoes the match whenever its desktop process starts again, so it is made before each run.
match_adapter() {
  local guid
  wine reg add "$enum_key" /v HardwareID /t REG_MULTI_SZ /d 'PCI\VEN_10DE&DEV_06CD&SUBSYS_00000000&REV_00' /f >/dev/null 2>&1
  guid=$(wine reg query "$enum_key\\Device Parameters" /v VideoID 2>/dev/null | tr -d '\r' | awk '/VideoID/{print $3}')
  video_key="HKLM\\System\\CurrentControlSet\\Control\\Video\\$guid\\0000"
  wine reg add "$video_key" /v DriverVersion /d 31.0.15.1659 /f >/dev/null 2>&1
}

# Prints the seconds one run took; its exit code goes to the file "code".
time_run() {
  local start end
  start=$(date +%s.%N)
  set +e
  timeout 120 wine "$@" >/dev/null 2>&1
  echo $? >code
  set -e
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f\n", b - a }'
}

summary() { # label, then the times
  local label="$1"; shift
  printf '%-44s' "$label"
  printf '%s\n' "$@" | sort -n | awk -v code="$(cat code)" '
    { t[NR] = $1; sum += $1 }
    END { printf "min %6.3f s  median %6.3f s  mean %6.3f s  (exit code %s)\n", t[1], t[int((NR + 1) / 2)], sum / NR, code }'
}

time_run zentoli_bench_empty.exe >/dev/null # the first start of a session pays for more
empty=() plain=() full=()
for _ in $(seq "$runs"); do
  empty+=("$(time_run zentoli_bench_empty.exe)")
done
summary "empty Windows program" "${empty[@]}"
for _ in $(seq "$runs"); do
  plain+=("$(time_run Zentoli.exe)")
done
summary "Zentoli.exe, no adapter matched" "${plain[@]}"
for _ in $(seq "$runs"); do
  match_adapter
  full+=("$(time_run Zentoli.exe)")
done
summary "Zentoli.exe, adapter matched (whole run)" "${full[@]}"
echo "runs: $runs each; Wine $(wine --version 2>/dev/null)"
