#!/usr/bin/env bash
# Builds VelkoraSysTest and runs it under Wine.
# With a display the checker opens there for you. Without one it runs unattended
# (-accepteula -silent -report -) and prints the report; the OpenGL diagnostics it starts still
# get a virtual display.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
# Only the programs, the language modules and the files beside them: no test is built.
"$root/scripts/build.sh" windows Release deliverable >/dev/null
# The programs write beside themselves (the diagnostics' settings and log): run a fresh copy, so
# that the build's deliverable folder stays as the build made it.
run="$root/build/windows/checker-run"
# shellcheck source=testbed/remove-tree.sh
. "$root/testbed/remove-tree.sh"
# An earlier copy goes, unless something is mounted inside it (then nothing is deleted).
[ ! -e "$run" ] || remove_tree "$run"
cp -r "$root/build/windows/deliverable" "$run"
cd "$run"
echo "Running a copy of the deliverable in $run (the diagnostics' log and settings stay there)." >&2

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  user_display="$DISPLAY"
  eval "$("$root/testbed/wine-testbed" start)"
  export DISPLAY="$user_display"
  set +e
  wine VelkoraSysTest.exe "$@"
  echo "VelkoraSysTest ended with exit code $?"
  exit 0
fi

eval "$("$root/testbed/wine-testbed" start)"
set +e
# The report comes as the report file's bytes: drop the byte-order mark and the CRs for the terminal.
wine VelkoraSysTest.exe -accepteula -silent -report - "$@" | sed -e '1s/^\xEF\xBB\xBF//' -e 's/\r$//'
code=${PIPESTATUS[0]}
echo "VelkoraSysTest ended with exit code $code (11 not met, 12 warnings, 13 or 14 met, 16 nothing judged)."
