#!/usr/bin/env bash
# Fails when a delivered program or module imports a DLL that a clean Windows does not have.
#   check-imports.sh FOLDER
set -euo pipefail
folder="${1:?deliverable folder}"
objdump=x86_64-w64-mingw32-objdump
# DLLs that every 64-bit Windows has in System32.
allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|msvcrt|opengl32|shlwapi|version|wbemuuid|oleacc|uxtheme|imm32|winmm|ws2_32|rpcrt4|setupapi|ntdll|psapi|bcrypt|secur32)\.dll$'
status=0
count=0
for file in "$folder"/*.exe "$folder"/*.Dll "$folder"/*.dll; do
  [ -e "$file" ] || continue
  count=$((count + 1))
  while read -r dll; do
    if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -qE "$allowed"; then
      echo "$(basename "$file") imports $dll, which a clean Windows does not have"
      status=1
    fi
  done < <("$objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p')
done
[ "$count" -gt 0 ] || { echo "no programs in $folder"; exit 1; }
[ $status -eq 0 ] && echo "$count files import only system DLLs"
exit $status
