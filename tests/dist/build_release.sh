#!/usr/bin/env bash
# Builds the release files the dist tests check: the installer, the zip and the sums of this
# version, and an installer of the next version for the upgrade.
#
#   build_release.sh EXE VERSION NEXT_VERSION DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$1 version=$2 next=$3 dir=$4
rm -rf "$dir"
bash "$root/tools/make-dist.sh" "$exe" "$version" "$dir/release"
bash "$root/tools/make-msi.sh" "$exe" "$next" "$dir/next/Vorlane-$next-x64.msi"
