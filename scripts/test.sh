#!/usr/bin/env bash
# Installs what is missing, checks the format of every C++ file, builds with
# AddressSanitizer and UndefinedBehaviorSanitizer, runs clang-tidy over the
# core and the command line, and runs every test (GoogleTest, offscreen QtTest
# suites and the package checks) under CTest.
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
