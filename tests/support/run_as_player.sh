#!/bin/sh
# Runs a test program as an ordinary user when root starts it, since root passes every permission
# check; anyone else runs it as themselves.
set -eu
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
player="--reuid=65534 --regid=65534 --clear-groups"
program=$1
shift
# The build folder may lie below a folder closed to others (root's home, say): then the player
# runs a copy of the program from a folder of its own. The test programs need nothing else from
# the build folder.
copy=""
if ! setpriv $player -- test -x "$program"; then
  copy=$(mktemp -d /tmp/orvane-as-player.XXXXXX)
  chmod 755 "$copy"
  cp "$program" "$copy/"
  program="$copy/$(basename "$program")"
  chmod 755 "$program"
fi
status=0
# Root's own temporary folder may be closed to others.
TMPDIR=/tmp setpriv $player -- "$program" "$@" || status=$?
[ -z "$copy" ] || rm -rf "$copy"
exit "$status"
