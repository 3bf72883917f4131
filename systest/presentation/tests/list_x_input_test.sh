#!/usr/bin/env bash
# The result list under real X input (xdotool on the test bed's display): clicks with Shift and
# Ctrl, keys, a header click that sorts, type-ahead, a divider drag and the title tip over the
# narrowed column. Screenshots of the states go to the working directory.
#   list_x_input_test.sh <list_input_demo.exe>
set -euo pipefail
demo="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
eval "$("$here/../../../testbed/wine-testbed" start)"

log=$(mktemp)
trap 'kill "$pid" 2>/dev/null || true; rm -f "$log"' EXIT
fail() { echo "FAIL: $*"; echo "--- demo output:"; cat "$log"; exit 1; }
# The demo's lines without the CR that its console output carries.
lines() { tr -d '\r' <"$log"; }

wine "$demo" >"$log" 2>&1 &
pid=$!

# Waits up to 30 s (a loaded machine is slow, never wrong) for a line of the demo's output that
# matches exactly.
expect() {
  for _ in $(seq 300); do
    lines | grep -qx -- "$1" && return 0
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  fail "no line '$1'"
}

for _ in $(seq 600); do lines | grep -q '^list ' && break; sleep 0.1; done
read -r _ left top width height header row col0 col1 <<<"$(lines | grep '^list ')" || fail "no list position"
echo "list client area at $left,$top ${width}x$height, header $header, rows $row, columns $col0 $col1"
x=$((left + col0 + 30))                      # inside the description column
y() { echo $((top + header + $1 * row + row / 2)); }
shot() { import -display "$DISPLAY" -window root -crop "$((width + 40))x$((height + 40))+$((left - 20))+$((top - 20))" "$1"; }

sleep 0.5
xdotool mousemove "$x" "$(y 2)" click 1
expect "selection 2"
# Keys go to the active window: make sure that is still the demo when they are sent.
window=$(xdotool getactivewindow)
keys() { xdotool windowactivate --sync "$window" 2>/dev/null || true; xdotool key --delay 150 "$@"; }
xdotool keydown shift mousemove "$x" "$(y 5)" click 1 keyup shift
expect "selection 2 3 4 5"
xdotool keydown ctrl mousemove "$x" "$(y 3)" click 1 keyup ctrl
expect "selection 2 4 5"
# Ctrl+Down twice moves only the focus (to 5); Down then starts from the selected focus row.
keys ctrl+Down ctrl+Down Down
expect "selection 6"
sleep 0.3
shot list_x_selected.png

# A header click sorts by the status label, clears the selection and shows the down arrow.
xdotool mousemove "$((left + 12))" "$((top + header / 2))" click 1
sleep 0.3
shot list_x_sorted.png
# Type-ahead: O finds "OK", B within 800 ms finds "Obsolete" (the keys' own times count, so a
# loaded machine that handles them later still sees them 150 ms apart).
keys o b
expect "selection 5"

# Narrow the description column to 150 pixels by its divider, then hover a cut text.
divider=$((left + col0 + col1)) # its right edge: in the divider zone
xdotool mousemove "$divider" "$((top + header / 2))" mousedown 1
xdotool mousemove "$((divider - 100))" "$((top + header / 2))"
xdotool mousemove "$((left + col0 + 150))" "$((top + header / 2))" mouseup 1
sleep 0.2
xdotool mousemove "$x" "$(y 1)"
sleep 0.1
xdotool mousemove "$((x + 5))" "$(y 1)"
sleep 0.4
shot list_x_title_tip.png

keys Escape
expect "sort 0 1"
expect "widths $col0 150"
expect "tip 1 Operating system: Windows 7 Professional Service Pack 1 (64-bit)"
expect "labels Met Met Met Not met OK Obsolete Row 10 Row 11 Row 8 Row 9 Warning Warning"
wait "$pid" || fail "the demo ended with $?"
echo "all states reached; screenshots: list_x_selected.png list_x_sorted.png list_x_title_tip.png"
