#!/usr/bin/env bash
# Installs what the builds and tests need on Debian 12, quietly when it is already there.
#   scripts/install-deps.sh [fuzz] [browser]
#     fuzz:    also clang and its libFuzzer runtime (scripts/fuzz.sh)
#     browser: also Chromium, which the summary page's test loads the page in (scripts/run-tests.sh)
set -euo pipefail
packages=(
  cmake g++ make libgtest-dev googletest libgmock-dev nlohmann-json3-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb openbox x11-utils xdotool imagemagick procps
  libgl1-mesa-dri libglx-mesa0 python3-jsonschema clang-format-14 git
  debootstrap # makes the Debian 13 root with Wine 10 (testbed/wine10-root)
)
for extra in "$@"; do
  case "$extra" in
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    browser) packages+=(chromium) ;;
    *) echo "install-deps.sh: unknown extra '$extra' (fuzz, browser)" >&2; exit 2 ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
