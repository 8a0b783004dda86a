#!/usr/bin/env bash
# Builds everything and runs every test (CMakePresets.json "dev": build/). Installs the packages
# first when any is missing, so it works on a fresh machine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --if-missing
cmake --preset dev
cmake --build --preset dev -j"$(nproc)"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
ctest --preset dev -j"$(nproc)"
