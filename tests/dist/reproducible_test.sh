#!/usr/bin/env bash
# The release is reproducible: built again from the same exe, into another folder and from
# another working folder (the repository's root, where files of the same names lie with other
# times), the installer and the zip have the same bytes as those of dist_build.
#
#   reproducible_test.sh EXE VERSION DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(realpath "$1") version=$2 dir=$(realpath "$3")
(cd "$root" && bash tools/make-dist.sh "$exe" "$version" "$dir/again" >/dev/null)
if ! diff "$dir/release/SHA256SUMS" "$dir/again/SHA256SUMS"; then
    echo "FAIL: the release built again differs"
    exit 1
fi
echo "release: built twice, byte-identical"
