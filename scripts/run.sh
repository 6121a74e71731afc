#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it (optionally with a file).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build/release" -j"$(nproc)"
exec "$root/build/release/app/quillon" "$@"
