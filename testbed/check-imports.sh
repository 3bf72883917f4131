#!/usr/bin/env bash
# Fails when a delivered program or module imports a DLL that Windows might take from somewhere else
# than its system folder: by a bare name it looks in the program's folder first, unless the DLL is
# one of its KnownDLLs (or bound by the manifest, as comctl32 is). Any other system DLL is loaded
# by its full path at run time (common/system_library_win32.h).
#   check-imports.sh FOLDER
set -euo pipefail
folder="${1:?deliverable folder}"
objdump=x86_64-w64-mingw32-objdump
# The KnownDLLs of every Windows from 7 to 11, ntdll (always the system's), and comctl32 (the manifest).
allowed='^(ntdll|kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|msvcrt|shlwapi|imm32|ws2_32|rpcrt4|setupapi|psapi|imagehlp|normaliz|nsi|sechost|wldap32|msctf|comctl32)\.dll$'
status=0
count=0
for file in "$folder"/*.exe "$folder"/*.Dll "$folder"/*.dll; do
  [ -e "$file" ] || continue
  count=$((count + 1))
  while read -r dll; do
    if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -qE "$allowed"; then
      echo "$(basename "$file") imports $dll, which Windows may take from the program's folder"
      status=1
    fi
  done < <("$objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p')
done
[ "$count" -gt 0 ] || { echo "no programs in $folder"; exit 1; }
[ $status -eq 0 ] && echo "$count files import only DLLs Windows always takes from the system folder"
exit $status
