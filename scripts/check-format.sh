#!/usr/bin/env bash
# Fails when a C++ file under src, tests, bench or fuzz differs from what clang-format makes of it.
# The version is pinned: another clang-format release formats some constructs differently.
#   scripts/check-format.sh [FILE...]   only the given files
set -euo pipefail
cd "$(dirname "$0")/.."
CLANG_FORMAT=${CLANG_FORMAT:-clang-format-14}
files=("$@")
if [ ${#files[@]} -eq 0 ]; then
    mapfile -t files < <(git ls-files --cached --others --exclude-standard -- src tests bench fuzz |
        grep -E '\.(cpp|h)$')
fi
"$CLANG_FORMAT" --dry-run -Werror "${files[@]}"
echo "format: ${#files[@]} files clean"
