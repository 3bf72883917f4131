#!/usr/bin/env bash
# Builds both trees and runs every test: host unit tests, then the Windows tests under Wine.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" host
"$root/scripts/build.sh" windows
status=0
(cd "$root/build/host" && ctest --output-on-failure -j"$(nproc)") || status=1
"$root/testbed/wine-testbed" start >/dev/null
(cd "$root/build/windows" && ctest --output-on-failure -j"$(nproc)") || status=1
"$root/testbed/wine-testbed" stop
exit $status
