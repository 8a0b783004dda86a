#!/usr/bin/env bash
# Builds the core, the service and their tests with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan, no GUI) and runs the tests labelled core and net. Any sanitizer report fails a test.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-asan
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZV_WERROR=ON -DZV_SANITIZE=ON \
  -DZV_BUILD_GUI=OFF -DZV_BUILD_BENCHMARKS=OFF
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -L core
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -L net
