#!/usr/bin/env bash
# The test bed's scripts never delete a folder while anything is mounted inside it, in this mount
# namespace or another one (a recursive delete through a bind mount deletes the tree mounted there).
# Needs root and unshare, as the test bed does.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=testbed/remove-tree.sh
. "$here/remove-tree.sh"
fail() {
  echo "FAIL: $*"
  exit 1
}
work="$(mktemp -d /tmp/velkora-remove-guard.XXXXXX)"
holder=""
cleanup() {
  [ -z "$holder" ] || kill "$holder" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT
mkdir -p "$work/tree/mnt/deep" "$work/precious"
echo keep >"$work/precious/file"

# Mounted in this namespace: refused, from inside.
unshare --mount -- bash -c '
  . "$1/remove-tree.sh"
  mount --bind "$2/precious" "$2/tree/mnt/deep"
  if remove_tree "$2/tree" 2>/dev/null; then echo "removed while mounted"; exit 1; fi
  [ -f "$2/tree/mnt/deep/file" ] || { echo "the mounted tree lost its file"; exit 1; }
  # A folder beside the mount is no reason to refuse.
  mkdir "$2/tree/other" && remove_tree "$2/tree/other"
' _ "$here" "$work" || fail "inside the namespace"

# Mounted in another namespace, which lives on: refused from here, where the mount is not seen.
ready="$work/ready"
unshare --mount -- bash -c 'mount --bind "$1/precious" "$1/tree/mnt/deep" && touch "$2" && exec sleep 60' \
  _ "$work" "$ready" &
holder=$!
for _ in $(seq 100); do [ -f "$ready" ] && break; sleep 0.05; done
[ -f "$ready" ] || fail "the holding namespace did not start"
grep -q " $work/tree/mnt/deep " /proc/self/mountinfo && fail "the mount leaked into this namespace"
mounts="$(mounts_below "$work/tree")"
[ "$mounts" = "$work/tree/mnt/deep" ] || fail "mounts_below saw: '$mounts'"
if remove_tree "$work/tree" 2>/dev/null; then fail "removed while mounted in another namespace"; fi
[ -d "$work/tree/mnt/deep" ] || fail "part of the tree went"
kill "$holder"
wait "$holder" 2>/dev/null || true
holder=""

# Nothing mounted any more: removed, and what was mounted there is whole.
remove_tree "$work/tree" || fail "not removed once unmounted"
[ ! -e "$work/tree" ] || fail "the tree is still there"
[ "$(cat "$work/precious/file")" = keep ] || fail "the once mounted folder lost its file"
echo "PASS"
