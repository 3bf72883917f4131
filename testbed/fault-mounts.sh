#!/usr/bin/env bash
# The rows of the README's fault table that need mounts (root): a full disk mapped as a Wine
# drive, a read-only target folder and a read-only program folder. Runs the deliverable of
# build/windows under the test bed, prints one line per case and fails when an outcome differs.
# Not part of the test command: it mounts and unmounts file systems on this machine.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
eval "$("$root/testbed/wine-testbed" start)"
deliverable="$root/build/windows/deliverable"
work="$(mktemp -d /tmp/velkora-fault-mounts.XXXXXX)"
drive="$WINEPREFIX/dosdevices/q:"
cleanup() {
  for m in full readonly program; do umount "$work/$m" 2>/dev/null || true; done
  rm -f "$drive"
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work"/{full,readonly,readonly.src,program,program.src}
cp "$deliverable"/* "$work/program.src/"
status=0
check() { # name expected actual
  if [ "$2" = "$3" ]; then echo "ok   $1: $3"; else echo "FAIL $1: expected $2, got $3"; status=1; fi
}
run() { # folder args... ; sets code and errors
  set +e
  (cd "$1" && shift && timeout 300 wine ./VelkoraSysTest.exe "$@" >"$work/out.txt" 2>"$work/err.txt")
  code=$?
  set -e
  errors="$(tr -d '\r' <"$work/err.txt")"
}
winpath() { echo "Z:${1//\//\\}"; }

# A full disk: both outputs refused with the system's code, nothing left on the drive.
mount -t tmpfs -o size=64k tmpfs "$work/full"
dd if=/dev/zero of="$work/full/filler" bs=1k count=64 2>/dev/null || true
ln -sfn "$work/full" "$drive"
run "$work/program.src" -accepteula -silent -report 'Q:\report.txt' -json 'Q:\result.json'
check "full disk: exit code" 5 "$code"
check "full disk: lines naming code 112" 2 "$(grep -c '(error 112)' <<<"$errors" || true)"
check "full disk: files left" filler "$(ls "$work/full" | tr '\n' ' ' | sed 's/ $//')"

# A read-only target folder.
mount --bind "$work/readonly.src" "$work/readonly"
mount -o remount,bind,ro "$work/readonly"
run "$work/program.src" -accepteula -silent -report "$(winpath "$work/readonly")\\report.txt"
check "read-only folder: exit code" 5 "$code"
check "read-only folder: files left" 0 "$(ls -A "$work/readonly" | wc -l)"

# A read-only program folder: Zentoli writes neither settings nor log; the verdict is the same
# as in a writable folder.
run "$work/program.src" -accepteula -silent -json "$(winpath "$work")\\writable.json"
writable=$code
rm -f "$work/program.src/Zentoli.ini" "$work/program.src"/zentoli_*
mount --bind "$work/program.src" "$work/program"
mount -o remount,bind,ro "$work/program"
run "$work/program" -accepteula -silent -json "$(winpath "$work")\\readonly.json"
check "read-only program folder: exit code as in a writable one" "$writable" "$code"
check "read-only program folder: same checks" same "$(python3 -c "
import json,sys
a=json.load(open('$work/writable.json')); b=json.load(open('$work/readonly.json'))
print('same' if a['checks']==b['checks'] and a['diagnostics']==b['diagnostics'] else 'different')")"
exit $status
