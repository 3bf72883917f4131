# Sourced by the benchmarks under the Wine test bed (zentoli/bench/zentoli_wall_time.sh,
# scripts/bench-check.sh):
#   open_bench_folder            starts the test bed and makes a fresh folder, $work, removed with
#                                the adapter match undone when the script ends
#   match_adapter                makes the display device match the adapter WMI reports, so that a
#                                diagnostics run goes all the way (WMI, OpenGL context, extensions,
#                                shader programs) instead of ending after the adapter check; Wine
#                                undoes it whenever its desktop process starts again, so it is made
#                                before each run that needs it
#   time_run PROGRAM [ARGS...]   prints the seconds the run took; its exit code goes to the file
#                                "code" in the current folder
#   median VALUES...             prints the median
#   summary LABEL VALUES...      one line: min, median and mean, and the content of "code"
bench_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
adapter_enum_key='HKLM\System\CurrentControlSet\Enum\PCI\VEN_0000&DEV_0000&SUBSYS_00000000&REV_00\00000000'
adapter_video_key=""

open_bench_folder() {
  eval "$("$bench_root/testbed/wine-testbed" start)"
  work="$(mktemp -d)"
  trap 'restore_adapter; rm -rf "$work"' EXIT
}

match_adapter() {
  local guid
  wine reg add "$adapter_enum_key" /v HardwareID /t REG_MULTI_SZ /d 'PCI\VEN_10DE&DEV_06CD&SUBSYS_00000000&REV_00' /f >/dev/null 2>&1
  guid=$(wine reg query "$adapter_enum_key\\Device Parameters" /v VideoID 2>/dev/null | tr -d '\r' | awk '/VideoID/{print $3}')
  adapter_video_key="HKLM\\System\\CurrentControlSet\\Control\\Video\\$guid\\0000"
  wine reg add "$adapter_video_key" /v DriverVersion /d 31.0.15.1659 /f >/dev/null 2>&1
}

restore_adapter() {
  [ -n "$adapter_video_key" ] || return 0
  wine reg add "$adapter_enum_key" /v HardwareID /t REG_MULTI_SZ /d 'PCI\VEN_0000&DEV_0000&SUBSYS_00000000&REV_00' /f >/dev/null 2>&1 || true
  wine reg delete "$adapter_video_key" /v DriverVersion /f >/dev/null 2>&1 || true
}

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

median() {
  printf '%s\n' "$@" | sort -n | awk '{ t[NR] = $1 } END { printf "%.4f\n", t[int((NR + 1) / 2)] }'
}

summary() {
  local label="$1"; shift
  printf '%-44s' "$label"
  printf '%s\n' "$@" | sort -n | awk -v code="$(cat code 2>/dev/null)" '
    { t[NR] = $1; sum += $1 }
    END { printf "min %6.3f s  median %6.3f s  mean %6.3f s  (exit code %s)\n", t[1], t[int((NR + 1) / 2)], sum / NR, code }'
}
