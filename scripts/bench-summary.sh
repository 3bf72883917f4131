#!/usr/bin/env bash
# Benchmark of the site summary under Wine (not a test): the summary of a folder of result
# documents (VelkoraSysTest.exe -summary FOLDER -html PATH -csv PATH) beside its floor, a program
# that only lists the same folder and reads each file whole, as the summary does. The documents
# are made once (systest/bench/make_result_documents.py, seeded: the same bytes on every run);
# then the floor, the summary and the summary of an empty folder (the program's start and end)
# alternate for ROUNDS rounds, with the files in the page cache after the first read, so that
# the ratios compare runs made under the same load. The page's totals are compared with what
# the generator made, so that a fast run that skipped work shows.
#   scripts/bench-summary.sh [ROUNDS] [FILES]    ROUNDS default 7, FILES default 10000
# Time: wall time of the whole run (Wine's start of the process included), from the shell's side;
# beside it the process's own CPU time, which leaves out the Wine server's work for its calls
# (opening and listing files go through the server): wall minus CPU is mostly that waiting.
# Memory: under Wine each Windows process is one Unix process (the wine loader execs into it; the
# floor reading one 200 MB file peaks at 204 MiB), so the kernel's accounting of that process is
# the program's peak working set: the maximum resident set size that wait4() reports for the
# finished child (the timeout wrapper and the wine process it waited for; the largest of them).
# The Wine server and the services run on in processes of their own, started before the first
# measured run, and are not counted. The resident set includes what Wine itself maps (its DLLs,
# the loader, the heap of its start-up); the floor's peak shows that baseline, as the floor holds
# no more than one file at a time, and the empty folder's shows the program's own.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-7}"
count="${2:-10000}"
build="$root/build/windows"
[ -f "$build/CMakeCache.txt" ] || "$root/scripts/build.sh" windows
cmake --build "$build" --target VelkoraSysTest lang_En lang_De systest_bench_summary_floor -j2 >/dev/null
# shellcheck source=../testbed/bench-runs.sh
. "$root/testbed/bench-runs.sh"
open_bench_folder
mkdir "$work/check" "$work/pages"
cp "$build/deliverable/"* "$work/check/"
floor="$build/systest/bench/systest_bench_summary_floor.exe"

echo "making $count files ..." >&2
made=$(python3 "$root/systest/bench/make_result_documents.py" "$work/documents" --count "$count" \
  --expect "$work/expect.json")
documents="$(winepath -w "$work/documents")"
html="$(winepath -w "$work/pages/summary.html")"
csv="$(winepath -w "$work/pages/summary.csv")"
bytes=$(find "$work/documents" -maxdepth 1 -name '*.json' -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')

# measured_run PROGRAM [ARGS...]: one line "seconds peak-KiB exit-code cpu-seconds" (user and
# system time of the process; the Wine server's share of its calls is not in it); standard
# output to the file "out" in the current folder.
measured_run() {
  python3 - "$@" <<'EOF'
import os, subprocess, sys, time
with open("out", "wb") as out:
    start = time.monotonic()
    child = subprocess.Popen(["timeout", "120", "wine"] + sys.argv[1:], stdout=out,
                             stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    seconds = time.monotonic() - start
cpu = usage.ru_utime + usage.ru_stime
print(f"{seconds:.4f} {usage.ru_maxrss} {os.waitstatus_to_exitcode(status)} {cpu:.4f}")
EOF
}
floor_run() { (cd "$work" && measured_run "$floor" "$documents"); }
summary_run() {
  rm -f "$work/pages/summary.html" "$work/pages/summary.csv"
  (cd "$work/check" && measured_run VelkoraSysTest.exe -summary "$documents" -html "$html" -csv "$csv")
}

# The program's start and end with next to nothing to do, for what the summary costs above it:
# the page of an empty folder.
mkdir "$work/empty"
empty="$(winepath -w "$work/empty")"
empty_html="$(winepath -w "$work/pages/empty.html")"
start_run() { (cd "$work/check" && measured_run VelkoraSysTest.exe -summary "$empty" -html "$empty_html"); }

# Wine's first runs of a session pay for more; the first reads fill the page cache.
floor_run >/dev/null
summary_run >/dev/null
start_run >/dev/null

load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
floor_times=() floor_peaks=() summary_times=() summary_peaks=() start_times=() start_peaks=()
floor_cpu=() summary_cpu=() start_cpu=() floor_codes="" summary_codes="" start_codes=""
for round in $(seq "$runs"); do
  read -r t p c u < <(floor_run)
  floor_times+=("$t") floor_peaks+=("$p") floor_cpu+=("$u") floor_codes+=" $c"
  read -r t p c u < <(summary_run)
  summary_times+=("$t") summary_peaks+=("$p") summary_cpu+=("$u") summary_codes+=" $c"
  read -r t p c u < <(start_run)
  start_times+=("$t") start_peaks+=("$p") start_cpu+=("$u") start_codes+=" $c"
  printf 'round %d of %d done\r' "$round" "$runs" >&2
done
echo >&2

echo "== $made ($(date -u '+%F %T') UTC; load average before $load_before, after $(cut -d' ' -f1-3 /proc/loadavg))"
echo "floor says: $(tr -d '\r' <"$work/out")"
echo "== Wall times, medians of $runs alternating rounds"
echo "$floor_codes" >"$work/code"
(cd "$work" && summary "floor (list the *.json, read each whole)" "${floor_times[@]}")
echo "$summary_codes" >"$work/code"
(cd "$work" && summary "VelkoraSysTest -summary -html -csv" "${summary_times[@]}")
echo "$start_codes" >"$work/code"
(cd "$work" && summary "VelkoraSysTest -summary of an empty folder" "${start_times[@]}")
floor_median=$(median "${floor_times[@]}")
summary_median=$(median "${summary_times[@]}")
awk -v a="$summary_median" -v b="$floor_median" \
  'BEGIN { r = a / b; printf "%-44s%6.2fx  (target <= 3x: %s)\n", "summary / floor, ratio of the medians", r, r <= 3 ? "met" : "NOT met" }'
# The least disturbed runs: the floor's time is mostly calls into the Wine server, one after the
# other, and grows the most when other processes hold the cores.
floor_min=$(printf '%s\n' "${floor_times[@]}" | sort -n | head -1)
summary_min=$(printf '%s\n' "${summary_times[@]}" | sort -n | head -1)
awk -v a="$summary_min" -v b="$floor_min" \
  'BEGIN { r = a / b; printf "%-44s%6.2fx  (target <= 3x: %s)\n", "summary / floor, ratio of the minima", r, r <= 3 ? "met" : "NOT met" }'
# Each round's summary against the floor run just before it: steadier when the machine's load
# changes during the rounds.
round_ratios=()
for i in "${!floor_times[@]}"; do
  round_ratios+=("$(awk -v a="${summary_times[$i]}" -v b="${floor_times[$i]}" 'BEGIN { printf "%.4f\n", a / b }')")
done
awk -v r="$(median "${round_ratios[@]}")" \
  'BEGIN { printf "%-44s%6.2fx  (target <= 3x: %s)\n", "summary / floor, median of the rounds", r, r <= 3 ? "met" : "NOT met" }'

printf '%-44s%s\n' "CPU time of the process, medians" \
  "floor $(median "${floor_cpu[@]}") s, summary $(median "${summary_cpu[@]}") s, empty folder $(median "${start_cpu[@]}") s"

echo "== Peak resident set (kernel's max RSS of the Wine process), medians"
floor_peak=$(median "${floor_peaks[@]}")
summary_peak=$(median "${summary_peaks[@]}")
start_peak=$(median "${start_peaks[@]}")
awk -v f="$floor_peak" -v s="$summary_peak" -v g="$start_peak" -v b="$bytes" 'BEGIN {
  mib = 1048576; size = b / mib
  printf "%-44s%8.1f MiB\n", "documents (*.json) together", size
  printf "%-44s%8.1f MiB  (Wine and the program, one file held)\n", "floor", f / 1024
  printf "%-44s%8.1f MiB  (Wine and the program, nothing read)\n", "VelkoraSysTest -summary of an empty folder", g / 1024
  r = s * 1024 / b
  printf "%-44s%8.1f MiB  = %.2fx the documents (target <= 2x: %s)\n", "summary", s / 1024, r, r <= 2 ? "met" : "NOT met"
  printf "%-44s%8.1f MiB  = %.2fx the documents\n", "summary above the floor", (s - f) / 1024, (s - f) * 1024 / b
  printf "%-44s%8.1f MiB  = %.2fx the documents\n", "summary above its own start", (s - g) / 1024, (s - g) * 1024 / b
}'

echo "== The page against what the generator made"
page="$work/pages/summary.html"
if [ -s "$page" ]; then
  python3 - "$page" "$work/expect.json" <<'EOF'
import json, re, sys
page = open(sys.argv[1], encoding="utf-8").read()
expect = json.load(open(sys.argv[2], encoding="utf-8"))
shown = {k: int(v) for k, v in re.findall(r'data-count="(\w+)"[^>]*>\s*(\d+)\s*<', page)}
unread = re.search(r'<section id="unread" data-count="(\d+)"', page)
shown["unread"] = int(unread.group(1)) if unread else 0
for key, value in expect.items():
    print(f"  {key:10} page {shown.get(key, '-')!s:>6}  made {value:>6}{'' if shown.get(key) == value else '  DIFFERS'}")
EOF
  echo "page $(wc -c <"$page") bytes, table $(wc -c <"$work/pages/summary.csv" 2>/dev/null || echo 0) bytes"
else
  echo "the summary wrote no page (exit codes:$summary_codes)"
fi
echo "runs: $runs rounds; Wine $(wine --version 2>/dev/null)"
