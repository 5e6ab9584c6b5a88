#!/usr/bin/env bash
# Checks that every C++ source and header of the repository is laid out as .clang-format says;
# names each file that is not and fails. `make format` lays them out.
set -euo pipefail
cd "$(dirname "$0")/.."

# Tracked files and new ones not yet added (but not ignored ones, such as the build folder).
files=()
while IFS= read -r -d '' file; do
    [[ -e $file ]] && files+=("$file") # a file deleted but not yet committed
done < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h')

if ((${#files[@]} == 0)); then
    echo "format-check: no C++ files found" >&2
    exit 1
fi
if ! clang-format --dry-run --Werror "${files[@]}"; then
    echo "format-check: the files above differ from .clang-format; run make format" >&2
    exit 1
fi
echo "format-check: ${#files[@]} files laid out as .clang-format says"
