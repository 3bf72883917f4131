#!/usr/bin/env bash
# Builds VelkoraSysTest and runs it under Wine.
# With a display the checker opens there for you. Without one it runs on a virtual display,
# saves screenshots of its windows, closes it and says where the screenshots are.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" windows >/dev/null
deliverable="$root/build/windows/deliverable"
cd "$deliverable"

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
shots="$root/build/screenshots"
mkdir -p "$shots"
wine VelkoraSysTest.exe "$@" &
checker=$!
finish() { kill "$checker" 2>/dev/null || true; }
trap finish EXIT

window() { timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
lic=$(window "Licence Agreement")
sleep 0.5
import -display "$DISPLAY" -window root "$shots/licence.png"
# Tab to the consent box, tick it (the focus then moves to Accept) and accept.
xdotool windowactivate --sync "$lic" key Tab space Return
main=$(window "System Check")
sleep 1
import -display "$DISPLAY" -window root "$shots/main.png"
xdotool windowactivate --sync "$main" key Escape
set +e
wait "$checker"
code=$?
trap - EXIT
echo "VelkoraSysTest ended with exit code $code."
echo "Screenshots of what it showed: $shots/licence.png and $shots/main.png"
