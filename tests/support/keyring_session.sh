#!/bin/sh
# Runs a test against a real Secret Service of its own: a private session bus (dbus-run-session)
# with a GNOME Keyring unlocked with an empty password, whose keyrings live in a fresh folder, so
# that the user's own keyring is never touched. With --no-bus the test runs with no session bus.
# Usage: keyring_session.sh [--no-bus] COMMAND [ARGUMENT...]
set -eu
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/run"
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
  XDG_RUNTIME_DIR="$home/run"
# No display: nothing may start a bus of its own (D-Bus autolaunch) or show a keyring prompt.
unset DISPLAY WAYLAND_DISPLAY
status=0
if [ "${1:-}" = --no-bus ]; then
  shift
  unset DBUS_SESSION_BUS_ADDRESS
  "$@" || status=$?
else
  dbus-run-session -- sh -c 'echo | gnome-keyring-daemon --unlock --components=secrets >/dev/null && exec "$@"' \
    keyring-session env ZV_KEYRING_SESSION=1 "$@" || status=$?
fi
exit "$status"
