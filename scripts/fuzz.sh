#!/usr/bin/env bash
# Builds the fuzz targets and the sample content they start from, and runs every target:
#   scripts/fuzz.sh [seconds per target, default 60] [ctest arguments, e.g. -R Font]
# Two targets run at a time (PANMASTER_FUZZ_JOBS to change). A target that crashes fails
# and leaves its input in build/test/fuzz/work/<target>/crashes; make it a fixture of the
# loader's unit tests.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
seconds=${1:-60}
shift $(($# > 0 ? 1 : 0))
build="$pm_root/build/test"
pm_configure "$build" Debug -DPANMASTER_SANITIZE=ON
cmake --build "$build" --target fuzzers sample_content -j "$(nproc)"
cd "$build"
PANMASTER_FUZZ_SECONDS=$seconds ctest -L fuzz -j "${PANMASTER_FUZZ_JOBS:-2}" --timeout $((seconds + 300)) \
  --output-on-failure "$@"
