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
# shellcheck source=../../testbed/bench-runs.sh
. "$root/testbed/bench-runs.sh"
open_bench_folder
cp "$build/deliverable/Zentoli.exe" "$build/deliverable/"*.vert "$build/deliverable/"*.frag "$work/"
cp "$build/zentoli/bench/zentoli_bench_empty.exe" "$work/"
cd "$work"

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
