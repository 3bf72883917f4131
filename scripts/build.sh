#!/usr/bin/env bash
# Configures and builds one tree: host (Linux, sanitizers, unit tests) or windows (MinGW-w64).
#   scripts/build.sh host|windows [Release|Debug] [TARGET]   TARGET: only that (say, deliverable)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
kind="${1:?host or windows}"
config="${2:-}"
target="${3:-}"
# The host tree runs its tests with sanitizers and debug information.
[ -n "$config" ] || { [ "$kind" = host ] && config=RelWithDebInfo || config=Release; }
dir="$root/build/$kind"
args=(-S "$root" -B "$dir" -DCMAKE_BUILD_TYPE="$config")
[ "$kind" = windows ] && args+=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake")
cmake "${args[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)" ${target:+--target "$target"}
