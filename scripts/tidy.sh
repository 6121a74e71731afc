#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy: bugprone-*, modernize-*) over the sources,
# using the compile commands of a build tree (default build/test). Findings
# are errors. Optional arguments: the files to check (default: all of src/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUILLON_TIDY_BUILD:-$root/build/test}"
cd "$root"
if [ $# -gt 0 ]; then files=("$@"); else mapfile -t files < <(git ls-files 'src/*.cpp'); fi
printf '%s\n' "${files[@]}" | xargs -P"$(nproc)" -n4 clang-tidy -p "$build" --quiet
