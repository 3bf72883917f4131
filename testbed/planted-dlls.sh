#!/usr/bin/env bash
# A planted oleacc.dll and opengl32.dll beside both programs never run, even with Windows' search
# order (native DLLs first): a copy of the deliverable with the planted DLL under both names, a
# silent check and the diagnostics program alone, then no mark file may exist.
#   planted-dlls.sh <wine-exec> <deliverable folder> <planted_dll.dll>
set -euo pipefail
wine_exec="$(realpath "$1")"
deliverable="$(realpath "$2")"
planted="$(realpath "$3")"
dir="$(mktemp -d /tmp/velkora-planted.XXXXXXXX)"
trap 'rm -rf -- "$dir"' EXIT # only the folder this test made
cp "$deliverable"/* "$dir/"
cp "$planted" "$dir/oleacc.dll"
cp "$planted" "$dir/opengl32.dll"
export WINEDLLOVERRIDES="oleacc,opengl32=n,b"
cd "$dir"
set +e
"$wine_exec" ./VelkoraSysTest.exe -accepteula -silent -report report.txt >/dev/null 2>&1
checker=$?
"$wine_exec" ./Zentoli.exe >/dev/null 2>&1
set -e
status=0
marks=$(ls -- *.ran 2>/dev/null || true)
[ -z "$marks" ] || { echo "planted DLL ran: $marks"; status=1; }
case "$checker" in 11 | 12 | 13 | 14 | 16) ;; *) echo "checker ended with $checker"; status=1 ;; esac
[ -s report.txt ] || { echo "no report"; status=1; }
[ $status -eq 0 ] && echo "no planted DLL ran (checker exit code $checker)"
exit $status
