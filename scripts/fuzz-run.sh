#!/usr/bin/env bash
# Runs one fuzz target for a while (a test of the label "fuzz", and scripts/fuzz.sh):
#   scripts/fuzz-run.sh <fuzzer> <seconds> <work folder> <build folder> [seed patterns...]
# The seeds are the build folder's files matching the patterns (the sample content), the
# inputs that once failed the target (fuzz/regressions/<target>), plus those the target
# writes itself. Inputs that found new code gather in <work>/corpus, kept
# from run to run; a crash, a leak or a timeout fails the run and leaves its input in
# <work>/crashes. PANMASTER_FUZZ_SECONDS, when set, overrides the seconds.
set -euo pipefail
fuzzer=$1 seconds=${PANMASTER_FUZZ_SECONDS:-$2} work=$3 build=$4
shift 4
root=$(cd "$(dirname "$0")/.." && pwd)

rm -rf "$work/seeds"
mkdir -p "$work/seeds" "$work/corpus" "$work/crashes"
shopt -s nullglob
for pattern in "$@"; do
  for file in "$build"/$pattern; do cp "$file" "$work/seeds/"; done
done
for file in "$root/fuzz/regressions/$(basename "$work")"/*; do cp "$file" "$work/seeds/"; done

export PANMASTER_FUZZ_SEEDS="$work/seeds" PANMASTER_FUZZ_CONTENT="$build/content"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:intercept_tls_get_addr=0  # as ./test
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The loaders log every fault they meet: the target's own output is closed, libFuzzer's and
# the sanitizers' reports stay.
exec "$fuzzer" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2560 -close_fd_mask=3 \
  -print_final_stats=1 -artifact_prefix="$work/crashes/" "$work/corpus" "$work/seeds"
