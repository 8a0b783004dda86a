#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over every source under src/, with the compile commands
# of the dev build; any finding fails. Run it after scripts/test.sh, or it configures and builds
# first (the window sources need the build's generated moc headers).
# Usage: scripts/tidy.sh [FILE...]   (default: every src/*.cpp)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/compile_commands.json ] || [ ! -d build/src/app/zv_app_autogen ]; then
  cmake --preset dev >/dev/null
  cmake --build --preset dev -j"$(nproc)"
fi
if [ $# -gt 0 ]; then files=("$@"); else mapfile -t files < <(git ls-files 'src/*.cpp'); fi
# Files go in small groups so both cores stay busy to the end.
if printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 3 clang-tidy -p build --quiet 2>/dev/null; then
  echo "clang-tidy: ${#files[@]} files clean"
else
  echo "clang-tidy found faults (above)"
  exit 1
fi
