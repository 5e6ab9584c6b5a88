#!/bin/sh
# Runs one test program under Wine with the prefix's display scale at DPI, then sets it back
# to 96. A process started after the change takes the new scale.
#   at-dpi.sh DPI PROGRAM [ARGUMENTS...]
set -u
dpi=$1
shift
# Windows itself takes a new display scale only at the user's next sign-in, so there is no
# changing it for one program: skipped (CTest's SKIP_RETURN_CODE) where no Wine runs the tests.
case $(uname -s) in
MINGW* | MSYS* | CYGWIN*)
    echo "at-dpi: skipped on Windows, where the display scale changes only at the next sign-in"
    exit 77
    ;;
esac
set_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
set_dpi "$dpi" || { echo "at-dpi: cannot set LogPixels to $dpi" >&2; exit 1; }
status=0
wine "$@" || status=$?
set_dpi 96
exit $status
