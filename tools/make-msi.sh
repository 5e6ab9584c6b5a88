#!/usr/bin/env bash
# Builds the installer of Vorlane with wixl from dist/Vorlane.wxs.
#
#   tools/make-msi.sh EXE VERSION OUT.msi
#
# The same inputs give the same bytes: the product and package codes are derived from the
# version and the files inside, the files carry SOURCE_DATE_EPOCH as their time, and wixl,
# which stamps the package with the current time and a random package code, runs at that fixed
# time and gets the derived package code written over its own.
set -euo pipefail

[[ $# -eq 3 ]] || { echo "usage: $0 EXE VERSION OUT.msi" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "$1")
version=$2
out=$(realpath -m "$3")
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}

# A GUID made from the SHA-256 of a text (shaped as a name-based UUID, version 5).
guid_of() {
    local h
    h=$(printf '%s' "$1" | sha256sum | cut -c1-32)
    printf '%s-%s-5%s-%x%s-%s\n' "${h:0:8}" "${h:8:4}" "${h:13:3}" \
        $(((0x${h:16:1} & 3) | 8)) "${h:17:3}" "${h:20:12}" | tr a-f A-F
}

# Everything the installer holds is gathered in one folder, with the same time on each file.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$root/dist/Vorlane.wxs" "$exe" "$root/LICENSE" "$root/assets/icons/Vorlane.ico" "$stage/"
[[ $(basename "$exe") == Vorlane.exe ]] || mv "$stage/$(basename "$exe")" "$stage/Vorlane.exe"
chmod 644 "$stage"/*
touch -d "@$epoch" "$stage"/*

contents=$(cd "$stage" && sha256sum Vorlane.wxs Vorlane.exe LICENSE Vorlane.ico)
product_code=$(guid_of "Vorlane x64 product $version $contents")
package_code=$(guid_of "Vorlane x64 package $version $contents")

when=$(TZ=UTC date -d "@$epoch" '+%Y-%m-%d %H:%M:%S')
mkdir -p "$(dirname "$out")"
rm -f "$out"
# wixl looks for the files in the current folder before the folder of the .wxs.
(cd "$stage" && TZ=UTC faketime -f "$when" wixl -a x64 -D Version="$version" \
    -D ProductCode="$product_code" -o "$out" Vorlane.wxs)
# wixl's major upgrade replaces only older versions; a package of the same version with other
# contents (so another product code) must replace the installed one too, not sit beside it: its
# upgrade row gets "maximum version included" (0x200) beside "migrate features" (1).
msiinfo export "$out" Upgrade | awk -F'\t' 'BEGIN { OFS = FS }
    $7 ~ /^WIX_UPGRADE_DETECTED\r?$/ { if ($5 % 1024 < 512) $5 += 512 } { print }' >"$stage/Upgrade.idt"
(cd "$stage" && TZ=UTC faketime -f "$when" msibuild "$out" -i Upgrade.idt \
    -s "Vorlane $version Countdown-Timer" Vorlane "x64;1031" "{$package_code}")
