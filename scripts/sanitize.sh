#!/usr/bin/env bash
# The sanitizer builds (CMakePresets.json):
# - "asan": everything, the windows too, with AddressSanitizer and UndefinedBehaviorSanitizer
#   (build-asan); every test runs, the window tests on the offscreen platform. Any report fails.
# - "tsan": ThreadSanitizer (build-tsan) over the tests labelled "threads": the download chain and
#   the all-races exports on their worker threads, and the report card's counting thread. The
#   distribution's Qt is not built with ThreadSanitizer, so what happens inside it (its own
#   allocations, its locks) is left out (ignore_noninstrumented_modules); our code is checked whole.
# Usage: scripts/sanitize.sh [asan|tsan]   (default: both)
set -euo pipefail
cd "$(dirname "$0")/.."
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
kinds=("$@")
if [ ${#kinds[@]} -eq 0 ]; then kinds=(asan tsan); fi
for kind in "${kinds[@]}"; do
  cmake --preset "$kind" >/dev/null
  if [ "$kind" = tsan ]; then
    # Build exactly the programs behind the tests labelled "threads" (test "layer.name" runs
    # program "name"), so a newly labelled test cannot be left unbuilt.
    mapfile -t targets < <(ctest --preset tsan -N | sed -n 's/^ *Test *#[0-9]*: [a-z]*\.\([A-Za-z0-9_]*\)$/\1/p' | sort -u)
    if [ ${#targets[@]} -eq 0 ]; then
      echo "sanitize: no tests labelled threads" >&2
      exit 1
    fi
    cmake --build --preset tsan -j"$(nproc)" --target "${targets[@]}"
  else
    cmake --build --preset "$kind" -j"$(nproc)"
  fi
  ctest --preset "$kind" -j"$(nproc)"
done
