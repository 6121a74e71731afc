#!/usr/bin/env bash
# Installs what is missing, builds the release tree and writes the Debian
# package build/package/quillon_<version>_<arch>.deb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/rel" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build/rel" -j"$(nproc)"
cpack -G DEB --config "$root/build/rel/CPackConfig.cmake" -B "$root/build/package"
ls "$root"/build/package/quillon_*.deb
