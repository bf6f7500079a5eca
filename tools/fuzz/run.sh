#!/usr/bin/env bash
# Builds the fuzz harnesses with clang and libFuzzer (address, undefined and float-cast-overflow
# sanitizers) into build-fuzz/, then runs them one after the other for the given number of
# seconds each, 60 by default; name harnesses to run only those:
#
#   tools/fuzz/run.sh [seconds] [parameters_file|game_file|draw_file|offset_text|print_range|ticket_printing|prize_table ...]
#
# Each harness keeps the corpus it grows in build-fuzz/fuzz/<harness>/corpus, so a later run goes
# on from there, and puts any input that breaks it into build-fuzz/fuzz/<harness>/findings. The
# exit status is 1 when a harness found something.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${1:-60}
[ $# -gt 0 ] && shift
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] ||
  harnesses=(parameters_file game_file draw_file offset_text print_range ticket_printing prize_table)

scripts/install-deps.sh clang libclang-rt-dev

out=build-fuzz
if [ ! -f "$out/build.ninja" ]; then
  cmake -S . -B "$out" -G Ninja -DORVANE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g"
fi
cmake --build "$out" -j2 --target orvane_fuzzers

# The harnesses write the files they read into folders of their own under here.
export TMPDIR="$PWD/$out/tmp"
rm -rf "$TMPDIR"
mkdir -p "$TMPDIR"

found=()
for harness in "${harnesses[@]}"; do
  program="$out/tools/fuzz/${harness}_fuzzer"
  work="$out/fuzz/$harness"
  rm -rf "$work/seeds"
  mkdir -p "$work/corpus" "$work/findings"
  ORVANE_FUZZ_SEEDS="$work/seeds" "$program"
  echo "== $harness: $seconds s"
  status=0
  "$program" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$work/findings/" "$work/corpus" "$work/seeds" >"$work/last-run.log" 2>&1 ||
    status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/last-run.log")
  coverage=$(grep -o 'cov: [0-9]*' "$work/last-run.log" | tail -n 1 || true)
  echo "   ${runs:-?} inputs run, ${coverage:-cov: ?}, corpus $(ls "$work/corpus" | wc -l) inputs"
  if [ "$status" -ne 0 ]; then
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
