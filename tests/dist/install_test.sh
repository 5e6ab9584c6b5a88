#!/usr/bin/env bash
# The installer under Wine, as a user meets it: install without questions, the program where
# the installer says and starting, the Start-menu shortcut, one "Apps" entry with version,
# publisher and icon; the same installer again, a rebuilt one of the same version and a newer
# one each still leave one entry; removal takes the program and the shortcut and leaves the
# settings file as it was.
#
#   install_test.sh EXE VERSION NEXT_VERSION DIR     (in a Wine session: WINEPREFIX, DISPLAY)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$1 version=$2 next=$3 dir=$4
msi=$dir/release/Vorlane-$version-x64.msi
rebuilt_msi=$dir/rebuilt/Vorlane-$version-x64.msi
next_msi=$dir/next/Vorlane-$next-x64.msi
work=$dir/install
rm -rf "$work"
mkdir -p "$work"
: "${WINEPREFIX:?run inside a Wine session (tools/wine-session.sh)}"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
finish() {
    if ((failures > 0)); then
        echo "$failures check(s) failed (Wine's output: $work/*.log)"
        exit 1
    fi
}

# Every Wine command writes into a file: Wine's background processes would hold a pipe open.
unix_path() { # a C: path of the prefix
    local p=${1//\\//}
    echo "$WINEPREFIX/dosdevices/c:${p#[Cc]:}"
}
windows_path() { # any Unix path, through drive Z:
    echo "Z:${1//\//\\}"
}
msiexec() { # msiexec ACTION MSI
    local status=0
    wine msiexec "$1" "$(windows_path "$2")" /qn >>"$work/msiexec.log" 2>&1 || status=$?
    ((status == 0)) || fail "msiexec $1 $(basename "$2") ended with $status"
}

wine cmd /c 'echo %LOCALAPPDATA%&echo %APPDATA%' >"$work/folders.log" 2>&1
local_appdata=$(unix_path "$(sed -n 1p "$work/folders.log" | tr -d '\r')")
appdata=$(unix_path "$(sed -n 2p "$work/folders.log" | tr -d '\r')")

# Where the installer puts the program: its Directory table, followed from INSTALLDIR up to
# the user's local application-data folder.
install_dir=$(msiinfo export "$msi" Directory | tr -d '\r' | awk -F'\t' -v base="$local_appdata" '
    NR > 3 { parent[$1] = $2; name = $3; sub(/.*\|/, "", name); dirname[$1] = name }
    END {
        path = ""
        for (d = "INSTALLDIR"; d != "LocalAppDataFolder"; d = parent[d]) {
            if (!(d in parent)) { print "not under LocalAppDataFolder"; exit }
            path = "/" dirname[d] path
        }
        print base path
    }')
installed_exe=$install_dir/Vorlane.exe
shortcut="$appdata/Microsoft/Windows/Start Menu/Programs/Vorlane.lnk"
settings=$appdata/Vorlane/Vorlane.ini
[[ $install_dir == "$local_appdata/Programs/Vorlane" ]] ||
    fail "the installer's folder is $install_dir, not the user's programs folder"

# Prints one line per "Apps" entry named Vorlane: key, version, publisher. Windows Installer
# writes it under HKCU or HKLM (Wine: HKLM, also for a per-user install); both are read.
entries() {
    local hive
    for hive in HKCU HKLM; do
        wine reg query "$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s \
            >"$work/uninstall-$hive.log" 2>&1 || true
    done
    cat "$work"/uninstall-HKCU.log "$work"/uninstall-HKLM.log | tr -d '\r' | awk '
        /^HKEY_/ { key = $0 }
        $1 == "DisplayName" && $3 == "Vorlane" && NF == 3 { named[key] = 1 }
        $1 == "DisplayVersion" { version[key] = $3 }
        $1 == "Publisher" { publisher[key] = $3 }
        END { for (k in named) print k, version[k], publisher[k] }'
}
expect_one_entry() { # VERSION WHEN
    local found
    found=$(entries)
    [[ $(grep -c . <<<"$found") -eq 1 ]] ||
        fail "$2: $(grep -c . <<<"$found") Apps entries for Vorlane: $found"
    [[ $(awk '{ print $(NF - 1), $NF }' <<<"$found") == "$1 Vorlane" ]] ||
        fail "$2: the entry is not version $1 by Vorlane: $found"
}

# The program starts from where it was installed: its main window appears.
expect_window() {
    local pid window=""
    wine "$installed_exe" -t5 >"$work/vorlane.log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        window=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Vorlane$' 2>/dev/null || true)
        [[ -z $window ]] || break
        kill -0 "$pid" 2>/dev/null || break # it ended without a window
        sleep 0.2
    done
    [[ -n $window ]] || fail "the installed Vorlane.exe showed no window within 20 s"
    # Ended without a chance to write its settings, which the removal check compares.
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

[[ -z $(entries) && ! -e $install_dir ]] || { fail "Vorlane is installed already"; finish; }

# The user's settings exist before the install (the installer never owns them).
mkdir -p "$(dirname "$settings")"
printf '\xef\xbb\xbf\r\n640\r\n360\r\n' >"$settings"

msiexec /i "$msi"
cmp -s "$exe" "$installed_exe" || fail "no Vorlane.exe equal to the built one in $install_dir"
cmp -s "$root/LICENSE" "$install_dir/LICENSE" || fail "no LICENSE in $install_dir"
[[ -f $shortcut ]] || fail "no Start-menu shortcut $shortcut"
grep -qaF 'AppData\Local\Programs\Vorlane\Vorlane.exe' "$shortcut" 2>/dev/null ||
    fail "the shortcut does not point to the installed Vorlane.exe"
expect_one_entry "$version" "after the install"
wine reg query 'HKCU\Software\Microsoft\Installer\Products' /s /v ProductIcon >"$work/icon.log" 2>&1 || true
icon=$(tr -d '\r' <"$work/icon.log" | awk '$1 == "ProductIcon" { sub(/^ *ProductIcon +REG_SZ +/, ""); print }')
if [[ -z $icon ]] || ! cmp -s "$root/assets/icons/Vorlane.ico" "$(unix_path "$icon")"; then
    fail "the product has no icon, or not Vorlane.ico ('$icon')"
fi
expect_window

msiexec /i "$msi"
expect_one_entry "$version" "after installing the same installer again"
msiexec /i "$rebuilt_msi"
expect_one_entry "$version" "after installing a rebuilt installer of the same version"
cmp -s "$dir/rebuilt/Vorlane.exe" "$installed_exe" || fail "the rebuilt installer did not replace Vorlane.exe"
msiexec /i "$next_msi"
expect_one_entry "$next" "after installing $next over $version"
cmp -s "$exe" "$installed_exe" || fail "Vorlane.exe is missing after the upgrade"

cp "$settings" "$work/settings-before-removal"
msiexec /x "$next_msi"
[[ ! -e $installed_exe && ! -e $install_dir ]] || fail "the removal left $install_dir"
[[ ! -e $shortcut ]] || fail "the removal left the shortcut"
[[ -z $(entries) ]] || fail "the removal left the entry: $(entries)"
cmp -s "$work/settings-before-removal" "$settings" || fail "the removal changed or removed $settings"

finish
echo "installer: installed, started, upgraded to $next and removed; settings kept"
