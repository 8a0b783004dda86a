#!/usr/bin/env bash
# Builds everything and runs every test (CMakePresets.json "dev": build/).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset dev
cmake --build --preset dev -j"$(nproc)"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
ctest --preset dev -j"$(nproc)"
