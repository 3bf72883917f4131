#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan + UBSan) in build/fuzz and runs each for the
# given time (or until it has run 10 million inputs), one after the other, on one process: a line
# per target with executions, coverage and findings. Not part of the test command.
#   scripts/fuzz.sh [SECONDS per target, default 60] [TARGET...]
# New corpus entries collect in build/fuzz/corpus/TARGET (the seeds in fuzz/corpus stay as they
# are); inputs that found a fault land in build/fuzz/findings/TARGET (findings counts this run's),
# and each belongs in the host tests. The log of the last run of a target is build/fuzz/TARGET.log.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
shift || true
"$root/scripts/install-deps.sh" fuzz
dir="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DVELKORA_FUZZ=ON >/dev/null
cmake --build "$dir" --target fuzz_targets -j2 >/dev/null

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for source in "$root"/fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

status=0
printf '%-28s %14s %9s %9s %8s\n' target executions exec/s coverage findings
for t in "${targets[@]}"; do
  corpus="$dir/corpus/$t"
  findings="$dir/findings/$t"
  mkdir -p "$corpus" "$findings"
  log="$dir/$t.log"
  before=$(find "$findings" -type f | wc -l)
  # One process, no forks: the machine is shared. Timeouts and memory limits count as findings.
  (cd "$dir" && "$dir/fuzz/$t" -max_total_time="$seconds" -runs=10000000 -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" "$corpus" "$root/fuzz/corpus/$t" >"$log" 2>&1) || true
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  coverage=$(sed -n 's/.* cov: \([0-9]*\) .*/\1/p' "$log" | tail -1)
  found=$(($(find "$findings" -type f | wc -l) - before))
  printf '%-28s %14s %9s %9s %8s\n' "$t" "${executions:-?}" "${rate:-?}" "${coverage:-?}" "$found"
  [ "$found" -eq 0 ] && [ -n "$executions" ] || status=1
done
exit $status
