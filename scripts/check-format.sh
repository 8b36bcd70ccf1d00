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
# In JOBS processes (default: the number of cores), a few dozen files each.
jobs=${JOBS:-$(nproc)}
per=$(((${#files[@]} + 4 * jobs - 1) / (4 * jobs)))
printf '%s\0' "${files[@]}" |
    xargs -0 -P "$jobs" -n "$((per > 0 ? per : 1))" "$CLANG_FORMAT" --dry-run -Werror
echo "format: ${#files[@]} files clean"
