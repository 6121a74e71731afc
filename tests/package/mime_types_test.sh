#!/usr/bin/env bash
# Guards against the program kinds not being recognised (a glob or magic
# rule that does not build or does not match), against the magic rule taking
# binary files, and against the launcher, the MIME file and the AppStream
# data naming different types.
set -euo pipefail
mime_xml=$1 desktop=$2 metainfo=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0

xmllint --noout "$mime_xml"
mkdir -p "$tmp/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$tmp/mime/packages/"
cp "$mime_xml" "$tmp/mime/packages/quillon.xml"
update-mime-database "$tmp/mime" 2>/dev/null

# file name | content (printf format) | --magic-only? | expected type
cases=(
  "p.min|O1234\r\nN001 G00 X0\r\n|no|text/x-quillon-main-program"
  "P.MIN|O1234\r\n|no|text/x-quillon-main-program"
  "s.ssb|OSUB\r\nN1 G00\r\n|no|text/x-quillon-system-subprogram"
  "S.SSB|OSUB\r\n|no|text/x-quillon-system-subprogram"
  "t.lib|(LIB)\r\nOSUB1\r\nN001 G00\r\n|no|text/x-quillon-library"
  "u.LIB|N10 G00\n|no|text/x-quillon-library"
  "m1|OABC\r\n|yes|text/x-quillon-library"
  "m2|(HEAD)\r\nN001 G00\r\n|yes|text/x-quillon-library"
  "m3|!<arch>\n/               0     0     0     644     8         \`\n\177ELF\001\001|yes|application/x-archive"
  "m4|hello\nworld\n|yes|text/plain"
)
for c in "${cases[@]}"; do
  IFS='|' read -r name content magic expected <<<"$c"
  # shellcheck disable=SC2059
  printf "$content" >"$tmp/$name"
  flag=()
  [ "$magic" = yes ] && flag=(--magic-only)
  got=$(XDG_DATA_HOME="$tmp" XDG_DATA_DIRS="$tmp" mimetype --brief "${flag[@]}" "$tmp/$name")
  if [ "$got" != "$expected" ]; then
    echo "FAIL $name ($magic magic only): $got, expected $expected"
    fail=1
  fi
done

declared=$(xmllint --xpath '//*[local-name()="mime-type"]/@type' "$mime_xml" | sed 's/ type="\([^"]*\)"/\1\n/g' | sed '/^$/d' | sort)
launcher=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)
provided=$(xmllint --xpath '//provides/mediatype/text()' "$metainfo" | sort)
[ "$declared" = "$launcher" ] || { echo "FAIL launcher types differ:"; diff <(echo "$declared") <(echo "$launcher"); fail=1; }
[ "$declared" = "$provided" ] || { echo "FAIL AppStream types differ:"; diff <(echo "$declared") <(echo "$provided"); fail=1; }
[ "$(echo "$declared" | wc -l)" -eq 3 ] || { echo "FAIL expected three types: $declared"; fail=1; }
exit $fail
