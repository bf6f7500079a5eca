#!/bin/sh
# Makes or improves the wheels built into the program (wheelmaker/tables/), for the requests whose
# search does not reach a good size in seconds: long runs of the engine, niced, two at a time.
# Each improvement is written at once, and each run starts from the table already there, so the
# script may be stopped at any moment and run again to go further. Rebuild the program afterwards
# (the tables are read when CMake configures) and run the wheel maker's benchmark.
#
#   scripts/make-wheel-tables.sh [SECONDS_PER_REQUEST]      (default 1800)
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-1800}
tool=build/tools/wheeltables/orvane-wheel-tables
tables=wheelmaker/tables
[ -d build ] || { echo "configure the tree first (./run.sh or cmake -S . -B build)" >&2; exit 1; }
copy=$(mktemp /tmp/orvane-wheel-tables.XXXXXX)
trap 'rm -f "$copy"' EXIT INT TERM
# Builds the tool with the tables as they stand, and copies it, so that rebuilding the tree while
# the runs go on does not pull the program from under them.
fresh_tool() {
    cmake --build build --target orvane_wheel_tables >/dev/null
    cp "$tool" "$copy"
}

fresh_tool

# The "3 if 3" tables first: the "3 if 5" wheels of 36 to 39 numbers are made of two of them.
nice -n 19 "$copy" "$tables" "$seconds" 19:3:3 22:3:3 20:3:3 15:3:3 16:3:3 18:3:3 21:3:3 \
    23:3:3 24:3:3 25:3:3 26:3:3 14:4:4 15:4:4 &
nice -n 19 "$copy" "$tables" "$seconds" 22:3:4 23:3:4 24:3:4 25:3:4 26:3:4 20:3:4 14:3:4 15:3:4 \
    14:4:5 15:4:5 16:4:5 17:4:5 18:4:5 37:2:2 &
wait
# Then the "3 if 5" wheels made of two "3 if 3" tables, with those tables built in.
fresh_tool
nice -n 19 "$copy" "$tables" "$seconds" 36:3:5 38:3:5 39:3:5
