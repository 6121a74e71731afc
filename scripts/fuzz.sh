#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang 16 (AddressSanitizer
# and UndefinedBehaviorSanitizer) in build/fuzz and runs each for SECONDS
# (default 60), two at a time; any finding fails the run and leaves its input
# in build/fuzz/tests/fuzz/findings/. New inputs collect in the build tree,
# the seed corpus in tests/fuzz/corpus/ stays as it is.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build="${QUILLON_FUZZ_BUILD:-$root/build/fuzz}"
compiler="$(command -v clang++-16 || true)"
if [ -z "$compiler" ]; then
  echo "fuzz.sh: clang++-16 is missing (scripts/install-deps.sh installs clang-16 and libclang-rt-16-dev)" >&2
  exit 1
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE= \
  -DCMAKE_CXX_FLAGS="-O1 -g" -DQUILLON_FUZZ=ON -DQUILLON_BUILD_TESTS=OFF -DQUILLON_FUZZ_SECONDS="$seconds" >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" -L fuzz --output-on-failure -j"${QUILLON_FUZZ_JOBS:-$(nproc)}"
