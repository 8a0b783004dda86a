#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (default 60 seconds each; all targets)
# Targets: loader mapped race archive settings cipher markup. Every run starts from the committed seeds
# (fuzz/corpus/TARGET) plus what earlier runs found (build-fuzz/corpus/TARGET). A crash input lands
# in build-fuzz/findings/TARGET; copy it to fuzz/regressions/TARGET so the test suite replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then targets=(loader mapped race archive settings cipher markup); fi

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
  # The mark-up target spends its time in Qt, built without frame pointers: ASan's fast unwinder
  # reads garbage there and its stack store, which keeps every distinct allocation stack, grows by
  # about a kilobyte per input (1 GB in ten minutes; a plain build stays flat). Without allocation
  # stacks and with a smaller quarantine the run's memory stays flat; reports still show where a
  # fault happened, and the regression test replays a finding with full stacks. A cell's mark-up
  # is a few hundred bytes: inputs up to 4 KB from the start, so the allocator's size classes are
  # all in use early instead of growing with the input length over the whole run.
  options="${ASAN_OPTIONS:-}"
  lengths=(-max_len=20000)
  if [ "$target" = markup ]; then
    options="malloc_context_size=0:quarantine_size_mb=64${options:+:$options}"
    lengths=(-max_len=4096 -len_control=0)
  fi
  if ! ASAN_OPTIONS="$options" nice "$build/fuzz/fuzz_$target" "$corpus" "fuzz/corpus/$target" -max_total_time="$seconds" \
      "${lengths[@]}" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
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
