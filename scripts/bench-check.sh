#!/usr/bin/env bash
# Benchmark of a check under Wine (not a test): the silent check beside its sequential floor and
# Wine's dxdiag, and in the dialog the wait from Accept to the main window beside the diagnostics
# program alone. All runs in one go, alternating within each round, so that the ratios compare
# runs made under the same load.
#   scripts/bench-check.sh [RUNS]    RUNS rounds (default 9)
# Times are wall times from the shell (wine's start-up included), except the dialog's and the
# diagnostics program's, which the driver takes inside Wine: from the Accept command to the main
# window being visible (polled every 20 ms), and from its start to its end.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-9}"
# A user reads the licence before accepting it; the adapter query of WMI runs meanwhile. The
# dialog is timed that way and with Accept pressed at once.
read_ms=2000
build="$root/build/windows"
[ -f "$build/CMakeCache.txt" ] || "$root/scripts/build.sh" windows
cmake --build "$build" --target VelkoraSysTest Zentoli lang_En lang_De systest_bench_floor systest_bench_dialog \
  -j2 >/dev/null
# shellcheck source=../testbed/bench-runs.sh
. "$root/testbed/bench-runs.sh"
open_bench_folder
mkdir "$work/check"
cp "$build/deliverable/"* "$work/check/"
floor="$build/systest/bench/systest_bench_floor.exe"
driver="$build/systest/bench/systest_bench_dialog.exe"
cd "$work"

# The dialog driver's milliseconds as seconds. A failed run is told on standard error and made
# once more; "fail" when that fails too.
driver_run() {
  local out try
  for try in 1 2; do
    if out=$(timeout 300 wine "$driver" "$1" "$build/deliverable" ${2:+"$2"} 2>"$work/driver.err"); then
      awk -v ms="${out%% *}" 'BEGIN { printf "%.4f\n", ms / 1000 }'
      echo "${out#* }" >code
      return
    fi
    { echo "dialog driver, $1, try $try failed:"; cat "$work/driver.err"; } >&2
  done
  echo fail
  echo fail >code
}

check_run() { (cd "$work/check" && time_run VelkoraSysTest.exe -accepteula -silent -report report.txt && cat code >"$work/code"); }

# Wine's first runs of a session pay for more (services, the desktop, font and GL caches).
match_adapter
check_run >/dev/null
time_run "$floor" >/dev/null
time_run dxdiag /t dxdiag.txt >/dev/null
[ -s dxdiag.txt ] || echo "dxdiag /t wrote no report" >&2
driver_run accept >/dev/null
driver_run zentoli >/dev/null

check=() floors=() dxdiag=() accept=() read=() alone=()
codes_check="" codes_floor="" codes_dxdiag="" codes_accept="" codes_read="" codes_alone=""
for round in $(seq "$runs"); do
  match_adapter
  check+=("$(check_run)"); codes_check+=" $(cat code)"
  floors+=("$(time_run "$floor")"); codes_floor+=" $(cat code)"
  rm -f dxdiag.txt
  dxdiag+=("$(time_run dxdiag /t dxdiag.txt)"); codes_dxdiag+=" $(cat code)"
  [ -s dxdiag.txt ] || codes_dxdiag+="(no report)"
  match_adapter
  accept+=("$(driver_run accept)"); codes_accept+=" $(cat code)"
  match_adapter
  read+=("$(driver_run accept "$read_ms")"); codes_read+=" $(cat code)"
  match_adapter
  alone+=("$(driver_run zentoli)"); codes_alone+=" $(cat code)"
  printf 'round %d of %d done\r' "$round" "$runs" >&2
done
echo >&2

for t in "${accept[@]}" "${read[@]}" "${alone[@]}"; do
  [ "$t" != fail ] || { echo "a dialog driver run failed; no figures" >&2; exit 1; }
done
echo "== Medians of $runs alternating rounds ($(date -u '+%F %T') UTC; load average $(cut -d' ' -f1-3 /proc/loadavg))"
# The exit codes of every run of a kind, where the summary shows a run's code.
summary_with_codes() {
  echo "$2" >code
  summary "$1" "${@:3}"
}
summary_with_codes "silent check (-accepteula -silent -report)" "$codes_check" "${check[@]}"
summary_with_codes "floor program (platform work in sequence)" "$codes_floor" "${floors[@]}"
summary_with_codes "wine dxdiag /t" "$codes_dxdiag" "${dxdiag[@]}"
summary_with_codes "dialog: Accept at once to main window" "$codes_accept" "${accept[@]}"
summary_with_codes "dialog: Accept after reading, to main window" "$codes_read" "${read[@]}"
summary_with_codes "Zentoli.exe alone (as the dialog starts it)" "$codes_alone" "${alone[@]}"

ratio() { # label, numerator times, denominator times via a separator "--", target
  local label="$1" target="$2"; shift 2
  local num=() den=() into=num
  for v in "$@"; do
    if [ "$v" = -- ]; then into=den; continue; fi
    if [ $into = num ]; then num+=("$v"); else den+=("$v"); fi
  done
  awk -v a="$(median "${num[@]}")" -v b="$(median "${den[@]}")" -v label="$label" -v target="$target" \
    'BEGIN { r = a / b; printf "%-44s%6.2fx  (target <= %sx: %s)\n", label, r, target, r <= target ? "met" : "NOT met" }'
}
echo "== Ratios of the medians"
ratio "silent check / floor" 0.85 "${check[@]}" -- "${floors[@]}"
ratio "silent check / dxdiag /t" 0.8 "${check[@]}" -- "${dxdiag[@]}"
ratio "Accept after reading / Zentoli alone" 1.1 "${read[@]}" -- "${alone[@]}"
ratio "Accept at once / Zentoli alone" 1.1 "${accept[@]}" -- "${alone[@]}"

echo "== Where the floor's time goes (one run with -steps)"
match_adapter
wine "$floor" -steps
echo "runs: $runs rounds; Wine $(wine --version 2>/dev/null)"
