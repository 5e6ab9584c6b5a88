#!/usr/bin/env bash
# Builds the release files the dist tests check: the installer, the zip and the sums of this
# version, one of the same version with other contents (a rebuilt exe), and one of the next
# version for the upgrade.
#
#   build_release.sh EXE VERSION NEXT_VERSION DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$1 version=$2 next=$3 dir=$4
rm -rf "$dir"
bash "$root/tools/make-dist.sh" "$exe" "$version" "$dir/release"
mkdir -p "$dir/rebuilt"
{ cat "$exe"; printf 'rebuilt'; } >"$dir/rebuilt/Vorlane.exe"
bash "$root/tools/make-msi.sh" "$dir/rebuilt/Vorlane.exe" "$version" "$dir/rebuilt/Vorlane-$version-x64.msi"
bash "$root/tools/make-msi.sh" "$exe" "$next" "$dir/next/Vorlane-$next-x64.msi"
