#!/bin/sh
# Runs a test program as an ordinary user when root starts it, since root passes every permission
# check; anyone else runs it as themselves.
set -eu
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
player="--reuid=65534 --regid=65534 --clear-groups"
if ! setpriv $player -- test -x "$1"; then
  echo "user 65534 cannot run $1: every folder above the build folder must let everyone in" >&2
  exit 1
fi
# Root's own temporary folder may be closed to others.
TMPDIR=/tmp exec setpriv $player -- "$@"
