#!/usr/bin/env bash
# Runs each fuzz target for a while from its seed corpus in tests/fuzz/corpus.
# A finding fails the script; the input that caused it is printed, so it
# stays in the log of a CI run.
#   scripts/run_fuzzers.sh FUZZER_DIR SECONDS FUZZER...
set -euo pipefail
cd "$(dirname "$0")/.."
fuzzer_dir=$1
seconds=$2
shift 2

status=0
for fuzzer in "$@"; do
  # New inputs go to a scratch corpus; the seeds in the repository stay as
  # they are.
  work=$(mktemp -d)
  echo "== $fuzzer: ${seconds} s"
  if ! "$fuzzer_dir/$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$work/" "$work" "tests/fuzz/corpus/$fuzzer"; then
    status=1
    for input in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
      [ -e "$input" ] || continue
      echo "== $fuzzer failed on this input ($(wc -c <"$input") bytes):"
      od -A d -t x1z -v "$input"
    done
  fi
  rm -rf "$work"
done
exit $status
