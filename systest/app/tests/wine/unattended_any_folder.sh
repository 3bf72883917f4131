#!/usr/bin/env bash
# A silent run gives the same rows from any folder: started once from the program's folder and
# once from another one (deployment tools start programs from System32 and the like), with
# Wine's display device matched to WMI's adapter (so the card list decides about it) and a card
# list that certifies that adapter. The display device is put back at the end.
#   unattended_any_folder.sh <wine-exec> <graphics_probe.exe> <deliverable folder>
set -euo pipefail
wine_exec="$1"
probe="$2"
deliverable="$3"

source "$(dirname "${BASH_SOURCE[0]}")/../../../checks/tests/wine/graphics_script_helpers.sh"

out=$(w "$probe" inventory)
pnp=$(value controller0.PNPDeviceID "$out")
caption=$(value controller0.Caption "$out")
[ -n "$pnp" ] && [ -n "$caption" ] || fail "WMI gave no adapter"
find_primary_display_device "$out"
work=$(mktemp -d)
cleanup() {
  restore_display_device
  rm -rf "$work"
}
trap cleanup EXIT
match_display_device_to "$pnp"
# The shipped program reads Windows' display devices itself: a match given only to the probe is
# no match for it.
matched=1
if [ -n "${VELKORA_PROBE_DISPLAY_DEVICE_ID:-}" ]; then
  matched=0
  unset VELKORA_PROBE_DISPLAY_DEVICE_ID
else
  [ "$(value caption "$(w "$probe" inventory)")" = "$caption" ] || fail "the adapter was not matched"
fi

program="$work/program"
elsewhere="$work/elsewhere"
mkdir -p "$program" "$elsewhere"
for name in VelkoraSysTest.exe Zentoli.exe VelkoraSystest_En.Dll VelkoraSystest_De.Dll Lic_En.Txt Lic_De.Txt \
  Lines.vert Lines.frag HiddenEdges.vert HiddenEdges.frag; do
  cp "$deliverable/$name" "$program/"
done
# Wine's adapter certified with any driver, ahead of the shipped rules.
{
  printf '%s,1.0,20000101,CD\r\n' "$caption"
  cat "$deliverable/GraphicsCardGBList.txt"
} >"$program/GraphicsCardGBList.txt"

# run <folder to start from> <report> <result document> [locale]: prints the exit code. The
# output paths are relative: they belong in the folder the run was started from.
run() {
  local code=0 locale=()
  [ -z "${4:-}" ] || locale=(env LC_ALL="$4")
  (cd "$1" && "${locale[@]}" "$wine_exec" "$program/VelkoraSysTest.exe" -accepteula -silent \
    -report "$2" -json "$3" >/dev/null 2>&1) || code=$?
  echo "$code"
}
# The severity of a check in a result document (indented by two blanks a level).
severity_of() { # <id> <document>
  grep -A2 "\"id\": \"$1\"" "$2" | sed -n 's/.*"severity": \([0-9]*\).*/\1/p' | head -n1
}

# The report's rows after its header. Wine's C: and Z: are one host file system, so the disk row
# names whichever of the two had more free bytes at that moment (other programs write meanwhile):
# the drive letter is not compared.
rows() { tail -n +2 "$1" | sed 's/Drive [A-Z]:/Drive ?:/'; }

# run_dialog <folder to start from> <report> <result document>: a dialog run (licence accepted),
# its main window closed once both outputs are written.
run_dialog() {
  (cd "$1" && "$wine_exec" "$program/VelkoraSysTest.exe" -accepteula -report "$2" -json "$3" >/dev/null 2>&1) &
  local pid=$! waited=0
  until [ -s "$1/$2" ] && [ -s "$1/$3" ]; do
    sleep 1
    waited=$((waited + 1))
    [ "$waited" -lt 120 ] || { kill "$pid" 2>/dev/null; fail "the dialog run wrote no outputs"; }
  done
  "$wine_exec" taskkill /im VelkoraSysTest.exe >/dev/null 2>&1 || true
  wait "$pid" || true
}

here_code=$(run "$program" here.txt here.json)
there_code=$(run "$elsewhere" there.txt there.json)
# A locale without a module of its own: the English module is the fall-back, found beside the
# program and not in the caller's folder.
french_code=$(run "$elsewhere" french.txt french.json fr_FR.UTF-8)
echo "--- from the program's folder: exit code $here_code"
tail -n +2 "$program/here.txt" | tr -d '\r'
echo "--- from another folder: exit code $there_code"
tail -n +2 "$elsewhere/there.txt" | tr -d '\r'

[ -f "$program/here.json" ] && [ -f "$elsewhere/there.json" ] || fail "a result document is missing"
[ ! -e "$program/there.txt" ] && [ ! -e "$program/there.json" ] || fail "outputs went to the program's folder"
diff <(rows "$program/here.txt") <(rows "$elsewhere/there.txt") || fail "the rows differ"
[ "$here_code" = "$there_code" ] || fail "exit codes $here_code and $there_code"
here_card=$(severity_of graphicsCard "$program/here.json")
there_card=$(severity_of graphicsCard "$elsewhere/there.json")
echo "graphics card row: severity $here_card and $there_card"
if [ $matched = 1 ]; then
  [ "$here_card" = 4 ] && [ "$there_card" = 4 ] || fail "the certified card is not met from both folders"
else
  echo "SKIP (the certified card only): this Wine's display device does not carry WMI's PCI id, as a" \
    "Windows display device does, so the program cannot match the adapter to the card list"
  [ "$here_card" = "$there_card" ] || fail "the graphics card rows differ"
fi
# Nothing of the run lands in the caller's folder but its outputs.
[ "$(ls "$elsewhere" | sort | tr '\n' ' ')" = "french.json french.txt there.json there.txt " ] ||
  fail "other files in the caller's folder"
# A dialog run (a shortcut whose "Start in" is another folder) finds the same files.
run_dialog "$elsewhere" dialog.txt dialog.json
echo "--- a dialog run from another folder"
tail -n +2 "$elsewhere/dialog.txt" | tr -d '\r'
diff <(rows "$program/here.txt") <(rows "$elsewhere/dialog.txt") || fail "the dialog run's rows differ"
[ "$(severity_of graphicsCard "$elsewhere/dialog.json")" = "$here_card" ] ||
  fail "the dialog run's graphics card row differs"
rm -f "$elsewhere/dialog.txt" "$elsewhere/dialog.json"
echo "--- from another folder in French (English fall-back): exit code $french_code"
[ "$french_code" = "$here_code" ] || fail "exit code $french_code with the English fall-back"
grep -q '"language": "fr"' "$elsewhere/french.json" || fail "not a French run"
diff <(rows "$program/here.txt") <(rows "$elsewhere/french.txt") || fail "the fall-back's rows differ"
echo "PASS (exit code $here_code from both folders and with the fall-back)"
