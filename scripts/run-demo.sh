#!/usr/bin/env bash
# Installs what Zelvora needs (when anything is missing), builds it, puts the demo meeting day into the data folder (only when
# no data set is there yet, so a bought day is never replaced) and starts the program: the window
# when it has been built and a display is available, otherwise the command-line view of the day.
# Arguments are passed on to the program (for example --data-dir DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --if-missing
cmake --preset dev
cmake --build --preset dev -j"$(nproc)"

cli=build/src/cli/zelvora-cli
gui=build/src/app/zelvora
data_dir_args=()
for ((i = 1; i <= $#; i++)); do
  if [ "${!i}" = "--data-dir" ] && [ $((i + 1)) -le $# ]; then
    next=$((i + 1))
    data_dir_args=(--data-dir "${!next}")
  fi
done

"$cli" "${data_dir_args[@]}" demo --keep-existing
if [ -x "$gui" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$gui" "$@"
fi
"$cli" "${data_dir_args[@]}" races
"$cli" "${data_dir_args[@]}" show 0
