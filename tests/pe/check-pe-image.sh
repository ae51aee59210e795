#!/usr/bin/env bash
# Static check of a Windows plug-in DLL: machine, entry points, and that it needs only system DLLs.
# usage: check-pe-image.sh OBJDUMP DLL EXPECTED_FORMAT (pei-i386 or pei-x86-64)
set -euo pipefail
objdump=$1 dll=$2 format=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

headers=$("$objdump" -p "$dll")
"$objdump" -f "$dll" | grep -q "file format $format" || fail "$dll is not $format"

exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | grep -E '^\s*\[ *[0-9]+\] ' | awk '{print $NF}' | sort)
[ "$exports" = "$(printf 'VSTPluginMain\nmain')" ] || fail "exports are [$exports], expected VSTPluginMain and main"

# Hosts load the DLL on its own: every import must come with Windows itself.
system_dlls='^(kernel32|user32|gdi32|gdiplus|advapi32|comdlg32|shell32|ole32|oleaut32|msvcrt|msimg32|comctl32|uxtheme|shlwapi|winmm|imm32|version|ws2_32|api-ms-win-[a-z0-9-]+)\.dll$'
imports=$(grep -oE 'DLL Name: \S+' <<<"$headers" | cut -d' ' -f3 | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || fail "no import table found"
for name in $imports; do
  [[ $name =~ $system_dlls ]] || fail "imports non-system DLL $name"
done

if [ "$failures" -eq 0 ]; then
  echo "$dll: $format, exports VSTPluginMain and main, imports only: $(echo $imports)"
fi
exit $((failures > 0))
