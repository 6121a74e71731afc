#!/usr/bin/env bash
# Guards against man pages that groff warns about (a broken macro, a bad
# escape) or that came out empty.
set -euo pipefail
fail=0
for page in "$1"/quillon.1 "$1"/quillon-nc.1; do
  warnings=$(groff -ww -z -man "$page" 2>&1)
  [ -z "$warnings" ] || { echo "FAIL $page: $warnings"; fail=1; }
  grep -q '^\.SH "\?NAME' "$page" || { echo "FAIL $page has no NAME section"; fail=1; }
  gzip -dc "$page.gz" | cmp -s - "$page" || { echo "FAIL $page.gz differs from $page"; fail=1; }
done
exit $fail
