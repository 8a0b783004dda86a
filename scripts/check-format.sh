#!/usr/bin/env bash
# Checks that every C++ source is formatted as .clang-format says; prints the files that are not.
# With --fix it formats them in place.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
# One run over every file: clang-format names each place that would change.
mapfile -t unformatted < <(clang-format --dry-run --Werror "${files[@]}" 2>&1 |
  grep -oE '^[^:]+:[0-9]+:[0-9]+: error' | cut -d: -f1 | sort -u)
if [ ${#unformatted[@]} -ne 0 ]; then
  printf 'not formatted (run scripts/check-format.sh --fix):\n'
  printf '  %s\n' "${unformatted[@]}"
  exit 1
fi
echo "all ${#files[@]} files formatted"
