#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (default 60 seconds each; all targets)
# Targets: loader mapped race archive settings cipher. Every run starts from the committed seeds
# (fuzz/corpus/TARGET) plus what earlier runs found (build-fuzz/corpus/TARGET). A crash input lands
# in build-fuzz/findings/TARGET; copy it to fuzz/regressions/TARGET so the test suite replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then targets=(loader mapped race archive settings cipher); fi

build=build-fuzz
cmake --preset fuzz >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
failed=()
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  echo "== $target: $seconds s"
  if ! nice "$build/fuzz/fuzz_$target" "$corpus" "fuzz/corpus/$target" -max_total_time="$seconds" \
      -max_len=20000 -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
      >"$build/fuzz-$target.log" 2>&1; then
    failed+=("$target")
    grep -m1 -A3 "ERROR\|==ERROR\|runtime error\|terminate" "$build/fuzz-$target.log" || true
  fi
  grep -E "^stat::number_of_executed_units|^#[0-9]+.*DONE" "$build/fuzz-$target.log" || true
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "findings in: ${failed[*]} (inputs in $build/findings/)"
  exit 1
fi
echo "no findings"
