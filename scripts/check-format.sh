#!/usr/bin/env bash
# Fails when a tracked C or C++ file differs from what the committed .clang-format makes of it.
# clang-format 14 (Debian 12's clang-format-14): another version formats some constructs otherwise.
#   scripts/check-format.sh          lists every file that differs, with its first differences
#   Mend with: git ls-files '*.c' '*.cpp' '*.h' '*.hpp' | xargs clang-format-14 -i
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
git ls-files -z '*.c' '*.cpp' '*.h' '*.hpp' | xargs -0 clang-format-14 --dry-run --Werror
