#!/usr/bin/env bash
# Builds the fuzz harnesses with clang and libFuzzer (address, undefined and float-cast-overflow
# sanitizers) into build-fuzz/, then runs them one after the other for the given number of
# seconds each, 60 by default; name harnesses to run only those:
#
#   tools/fuzz/run.sh [--check] [seconds] [harness ...]
#
# The harnesses are every program the build made (tools/fuzz/CMakeLists.txt lists them). Each
# keeps the corpus it grows in build-fuzz/fuzz/<harness>/corpus, so a later run goes on from
# there, and puts any input that breaks it into build-fuzz/fuzz/<harness>/findings. The exit
# status is 1 when a harness found something, 2 when they could not be built.
#
# --check is the short run ./test.sh makes on every run, to see that the harnesses build and run:
# each grows a corpus of its own in a scratch folder from its seeds, and the kept corpora stay as
# they are; findings still land in findings/.
set -euo pipefail
cd "$(dirname "$0")/../.."

check=false
if [ "${1:-}" = "--check" ]; then
  check=true
  shift
fi
seconds=${1:-60}
[ $# -gt 0 ] && shift
harnesses=("$@")

scripts/install-deps.sh

out=build-fuzz
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if [ ! -f "$out/build.ninja" ]; then
  cmake -S . -B "$out" -G Ninja -DORVANE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" >/dev/null ||
    { echo "The fuzz harnesses could not be configured." >&2; exit 2; }
fi
cmake --build "$out" -j"${ORVANE_FUZZ_JOBS:-2}" --target orvane_fuzzers ||
  { echo "The fuzz harnesses do not build." >&2; exit 2; }

if [ ${#harnesses[@]} -eq 0 ]; then
  for program in "$out"/tools/fuzz/*_fuzzer; do
    name=$(basename "$program")
    harnesses+=("${name%_fuzzer}")
  done
fi

# The harnesses write the files they read into folders of their own under here: in memory where
# the machine has a tmpfs, since the saves under test flush every file to disk (fsync), which on a
# disk makes the slower harnesses ten times slower still.
export TMPDIR="$PWD/$out/tmp"
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  TMPDIR=$(mktemp -d /dev/shm/orvane-fuzz.XXXXXX)
fi
rm -rf "$TMPDIR"
mkdir -p "$TMPDIR"

found=()
for harness in "${harnesses[@]}"; do
  program="$out/tools/fuzz/${harness}_fuzzer"
  work="$out/fuzz/$harness"
  corpus="$work/corpus"
  rm -rf "$work/seeds"
  mkdir -p "$corpus" "$work/findings"
  if $check; then
    corpus="$TMPDIR/corpus-$harness"
    mkdir -p "$corpus"
  fi
  ORVANE_FUZZ_SEEDS="$work/seeds" "$program"
  echo "== $harness: $seconds s"
  status=0
  "$program" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$work/findings/" "$corpus" "$work/seeds" >"$work/last-run.log" 2>&1 ||
    status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/last-run.log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/last-run.log")
  coverage=$(grep -o 'cov: [0-9]*' "$work/last-run.log" | tail -n 1 || true)
  echo "   ${runs:-?} inputs run, ${speed:-?}/s, ${coverage:-cov: ?}, corpus $(ls "$corpus" | wc -l) inputs"
  if [ "$status" -ne 0 ] || [ -z "$runs" ]; then
    found+=("$harness")
    grep -E '^(broken:|==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$work/last-run.log" | head -n 5 || true
    echo "   FOUND: see $work/last-run.log and $work/findings/"
  fi
done
rm -rf "$TMPDIR"

if [ ${#found[@]} -gt 0 ]; then
  echo "Findings in: ${found[*]}"
  exit 1
fi
echo "Nothing found."
