#!/usr/bin/env bash
# Guards against a package that misses or misplaces a file (the program,
# its data, the launcher, file types, icons, AppStream data, man pages, the
# links in /usr/bin) or lacks the fields apt needs. Packs this build tree
# into a temporary folder; the expected paths list every entry of
# dpkg-deb -c, links with their targets.
set -euo pipefail
build=$1 expected=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; exit 1; }
deb=$(ls "$tmp"/quillon_*.deb)
dpkg-deb -c "$deb" | sed -E 's/^(\S+\s+){5}\.//' | LC_ALL=C sort >"$tmp/paths"
diff -u "$expected" "$tmp/paths" || { echo "FAIL package paths differ from $expected"; fail=1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quillon ] || { echo "FAIL Package: $(field Package)"; fail=1; }
[ "$(field Section)" = editors ] || { echo "FAIL Section: $(field Section)"; fail=1; }
[ -n "$(field Maintainer)" ] || { echo "FAIL no Maintainer"; fail=1; }
[ -n "$(field Description)" ] || { echo "FAIL no Description"; fail=1; }
[[ "$(field Depends)" == *libqt6widgets6* ]] || { echo "FAIL Depends lacks libqt6widgets6: $(field Depends)"; fail=1; }
[[ "$(basename "$deb")" == quillon_"$(field Version)"_"$(field Architecture)".deb ]] ||
  { echo "FAIL file name $(basename "$deb")"; fail=1; }
exit $fail
