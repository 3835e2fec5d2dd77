#!/usr/bin/env bash
# Runs every harness of a fuzz build for RUNS inputs, starting from the seeds in fuzz/corpus.
# New inputs go to BUILD/corpus/<harness>; a crash, leak, undefined behaviour or timeout leaves
# its input in BUILD/findings and makes this script fail.
set -euo pipefail

build=${1:?usage: fuzz/run.sh BUILD RUNS}
runs=${2:?usage: fuzz/run.sh BUILD RUNS}
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
# Real Access files beside the repository, when there: without them almost no input gets past the
# header, and the reading of tables and rows is never reached.
jet_samples=$(cd "$(dirname "$0")/.." && pwd)/../shared/fixtures/jet

# Every input is written to a file; in memory that costs nothing, on a disk each save waits for it.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

mkdir -p "$build/findings"
for harness in ini_file database_open database_rescue jet_reader delimited_text product_database zip_archive work_archive; do
  mkdir -p "$build/corpus/$harness"
  echo "== fuzz_$harness: $runs inputs"
  extra=()
  folders=("$build/corpus/$harness" "$seeds/$harness")
  if [ "$harness" = jet_reader ]; then
    # mdbtools loops for ever on some damaged Access files; the program reads them in a child process
    # it stops (db/isolated_run), so here such a timeout is noted and the fuzzing goes on.
    extra=(-fork=1 -ignore_timeouts=1)
    # A sample's first 64 KB hold its header, catalogue and table definitions; a whole sample takes
    # seconds to read under the sanitizers, and a million of those would take weeks.
    if [ -d "$jet_samples" ]; then folders+=("$jet_samples"); extra+=(-max_len=65536); fi
  fi
  "$build/fuzz_$harness" -runs="$runs" -timeout=30 -print_final_stats=1 "${extra[@]}" \
    -artifact_prefix="$build/findings/$harness-" "${folders[@]}" 2>"$build/$harness.log" || {
    tail -n 60 "$build/$harness.log"
    echo "fuzz_$harness found a problem; its input is in $build/findings" >&2
    exit 1
  }
  grep -E "^(Done|stat::number_of_executed_units)" "$build/$harness.log" || true
done
