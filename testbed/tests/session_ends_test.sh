#!/usr/bin/env bash
# A Wine 10 session leaves nothing behind when it is killed: no mount (in any namespace) and no
# process; it wrote nothing into the root, and the source tree was read-only inside it.
# Needs root; skipped (77) while the Wine 10 root is not made yet.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=testbed/wine10-common.sh
. "$here/wine10-common.sh"
fail() {
  echo "FAIL: $*"
  exit 1
}
if ! "$here/wine10-root" path >/dev/null 2>&1; then
  echo "SKIP: the Wine 10 root is not made yet (testbed/wine10-root make)"
  exit 77
fi
work="$(mktemp -d /tmp/velkora-session-test.XXXXXX)"
session=""
cleanup() {
  [ -z "$session" ] || kill -9 "$session" 2>/dev/null || true
  wait 2>/dev/null || true
  remove_tree "$work"
}
trap cleanup EXIT
mark="velkora-session-test-$$"
duration="6000$$" # seconds: a sleep of this length is the session's
export VELKORA_TESTBED_DIR="$work/testbed"
# Inside: a file written into the root, one tried in the source tree, then a long wait.
"$here/wine10-session" bash -c '
  touch "$1/root/etc/$2"
  if touch "$1/root$3/$2" 2>/dev/null; then echo writable >"$4/source"; fi
  touch "$4/ready"
  exec sleep "$5"' _ "$run" "$mark" "$here" "$work" "$duration" &
session=$!
for _ in $(seq 300); do [ -f "$work/ready" ] && break; sleep 0.1; done
[ -f "$work/ready" ] || fail "the session did not start"
[ ! -e "$work/source" ] || fail "the source tree was writable inside the session"
[ -n "$(mounts_below "$run")" ] || fail "no mount of the session seen"
pgrep -f "^sleep $duration$" >/dev/null || fail "no process of the session seen"
kill -9 "$session"
wait "$session" 2>/dev/null || true
session=""
for _ in $(seq 50); do [ -z "$(mounts_below "$run")" ] && break; sleep 0.1; done
[ -z "$(mounts_below "$run")" ] || fail "mounts left: $(mounts_below "$run" | tr '\n' ' ')"
! pgrep -f "^sleep $duration$" >/dev/null || fail "a process of the session lives on"
[ ! -e "$root/etc/$mark" ] || fail "the session wrote into the root"
[ ! -e "$here/$mark" ] || fail "the session wrote into the source tree"
echo "PASS"
