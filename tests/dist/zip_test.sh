#!/usr/bin/env bash
# The portable zip holds exactly the program, the read-me and the licence; the program in it is
# the built exe; the read-me names the command line and the settings; the sums match.
#
#   zip_test.sh EXE VERSION DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$1 version=$2 dir=$3/release
zip=$dir/Vorlane-$version-x64-portable.zip
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

entries=$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ')
[[ $entries == "LICENSE LIESMICH.txt Vorlane.exe " ]] || fail "the zip holds: $entries"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
unzip -q "$zip" -d "$out"
cmp -s "$exe" "$out/Vorlane.exe" || fail "Vorlane.exe in the zip is not the built exe"
cmp -s "$root/LICENSE" "$out/LICENSE" || fail "LICENSE in the zip is not the repository's"

readme=$out/LIESMICH.txt
for text in "Vorlane $version" "-tN" "-m " "-sText" "-p " '%APPDATA%\Vorlane\Vorlane.ini' "LICENSE"; do
    grep -qF -- "$text" "$readme" || fail "LIESMICH.txt does not mention '$text'"
done
# Windows line ends throughout: every line feed follows a carriage return.
[[ $(grep -c $'\r$' "$readme") -eq $(wc -l <"$readme") ]] || fail "LIESMICH.txt has lines without CR LF"

(cd "$dir" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the files"
[[ $(wc -l <"$dir/SHA256SUMS") -eq 2 ]] || fail "SHA256SUMS does not list exactly the two files"

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "zip: $(unzip -Z1 "$zip" | wc -l) files, exe identical, sums match"
