#!/usr/bin/env bash
# The release: the installer, the portable zip and their SHA-256 sums.
#
#   tools/make-dist.sh EXE VERSION OUTDIR
#
# writes OUTDIR/Vorlane-VERSION-x64.msi, OUTDIR/Vorlane-VERSION-x64-portable.zip and
# OUTDIR/SHA256SUMS. Both archives are reproducible: every file in them carries
# SOURCE_DATE_EPOCH (the time of the last commit unless set) as its time.
set -euo pipefail

[[ $# -eq 3 ]] || { echo "usage: $0 EXE VERSION OUTDIR" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "$1")
version=$2
out=$(realpath -m "$3")
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}

msi=Vorlane-$version-x64.msi
zip=Vorlane-$version-x64-portable.zip
mkdir -p "$out"
rm -f "$out/$msi" "$out/$zip" "$out/SHA256SUMS"

bash "$root/tools/make-msi.sh" "$exe" "$version" "$out/$msi"

# The zip: the program, a German read-me with Windows line ends (and a byte-order mark, so
# every editor reads its umlauts as UTF-8), and the licence; no folders, entries in name order,
# no owner or extra time fields, times as UTC.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/Vorlane.exe"
cp "$root/LICENSE" "$stage/LICENSE"
{
    printf '\xef\xbb\xbf'
    sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$root/dist/LIESMICH.txt"
} >"$stage/LIESMICH.txt"
chmod 644 "$stage"/*
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
(cd "$stage" && printf '%s\n' LICENSE LIESMICH.txt Vorlane.exe | TZ=UTC zip -X -D -q -9 "$out/$zip" -@)

(cd "$out" && sha256sum "$msi" "$zip" >SHA256SUMS)
(cd "$out" && for f in "$msi" "$zip"; do echo "dist: $f $(stat -c %s "$f") bytes"; done && cat SHA256SUMS)
