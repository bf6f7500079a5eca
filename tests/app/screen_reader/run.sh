#!/usr/bin/env bash
# Starts Orvane on an X server of its own with the accessibility bus on, as a desktop with a
# screen reader runs it, and reads it with read_grid.py through the real AT-SPI bus.
#   run.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xserver=
cleanup() {
  kill $(jobs -p) 2>/dev/null || true
  # The X server unlinks its socket as it exits: waiting for it keeps a dying server from taking
  # away the socket of the next run's server, which -displayfd may have given the same display.
  [ -z "$xserver" ] || wait "$xserver" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A program folder of its own, so no settings file of another run is read.
cp "$program" "$work/orvane"

# The X server picks a free display and says which. It must not reset when its last client goes:
# the bus launcher's short connection would otherwise make it reset just as Orvane connects.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xserver=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_ACCESSIBILITY

dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  "$1/orvane" >/dev/null 2>&1 &
  /usr/bin/python3 "$2/read_grid.py"
  status=$?
  kill %2 %1 2>/dev/null
  exit $status
' reader "$work" "$here"
