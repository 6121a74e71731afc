#!/usr/bin/env bash
# Installs what is missing, checks the format of every C++ file, builds with
# AddressSanitizer and UndefinedBehaviorSanitizer, runs clang-tidy over the
# core and the command line, and runs every test (GoogleTest, offscreen QtTest
# suites and the package checks) under CTest, then a short run of every fuzz
# target.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/check-format.sh"
cmake -S "$root" -B "$root/build/test" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON >/dev/null
cmake --build "$root/build/test" -j"$(nproc)"
cd "$root"
mapfile -t core < <(git ls-files 'src/*.cpp' | grep -v '^src/ui/')
QUILLON_TIDY_BUILD="$root/build/test" "$root/scripts/tidy.sh" "${core[@]}"
ctest --test-dir "$root/build/test" --output-on-failure -j"$(nproc)"
# The fuzz targets, 10 seconds each: clang 16 in a build tree of their own
# that holds only the core and the command line's verbs.
"$root/scripts/fuzz.sh" 10
