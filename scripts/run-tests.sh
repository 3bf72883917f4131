#!/usr/bin/env bash
# Builds both trees and runs every test: host unit tests, then the Windows tests under Wine 8 (the
# host's) and again under Wine 10 (a Debian 13 root, made once by testbed/wine10-root).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Chromium only here: the summary page's test loads the page in it; runs for users do not need it.
"$root/scripts/install-deps.sh" browser
# The Wine 10 root downloads while the trees build (once; later runs find it made).
mkdir -p "$root/build"
"$root/testbed/wine10-root" make >"$root/build/wine10-root.log" 2>&1 &
root_maker=$!
"$root/scripts/build.sh" host
"$root/scripts/build.sh" windows
status=0
(cd "$root/build/host" && ctest --output-on-failure -j"$(nproc)") || status=1
"$root/testbed/wine-testbed" start >/dev/null
(cd "$root/build/windows" && ctest --output-on-failure -j"$(nproc)") || status=1
"$root/testbed/wine-testbed" stop
wait "$root_maker" || { cat "$root/build/wine10-root.log" >&2; exit 1; }
echo "The Windows tests again under Wine 10:"
"$root/testbed/wine10-session" bash -c 'cd "$1" && ctest --output-on-failure -j"$(nproc)"' _ "$root/build/windows" || status=1
exit $status
