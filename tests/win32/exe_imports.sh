#!/bin/sh
# Vorlane.exe loads nothing before its first paint that the window does not need: its import
# table names only the C runtime, ntdll (in every process anyway), kernel32, user32 and gdi32.
# Every other system DLL must be delay-loaded (platform/win32/delayload/).
#
#   exe_imports.sh OBJDUMP EXE
set -eu
allowed="GDI32.dll KERNEL32.dll msvcrt.dll ntdll.dll USER32.dll"
imports=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -f | tr '\n' ' ')
status=0
for dll in $imports; do
    case " $allowed " in
    *" $dll "*) ;;
    *)
        echo "$2 imports $dll at start; delay-load it instead" >&2
        status=1
        ;;
    esac
done
[ -n "$imports" ] || { echo "no import table read from $2" >&2; exit 1; }
echo "imports at start: $imports"
exit $status
