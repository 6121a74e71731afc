#!/usr/bin/env bash
# Guards against install-deps.sh failing with "sudo: command not found" for
# a user who is not root, and against it calling apt-get when nothing is
# missing. Each case runs the script with stand-in id, dpkg-query, sudo and
# apt-get that record their calls.
set -uo pipefail
script=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0

# uid | packages installed (all/none) | sudo present | exit | stderr has | calls
cases=(
  "1000|none|no|1|apt-get install -y cmake|"
  "1000|none|yes|0||sudo apt-get install"
  "0|none|no|0||apt-get install"
  "1000|all|no|0||"
)
for c in "${cases[@]}"; do
  IFS='|' read -r uid installed sudo code message calls <<<"$c"
  bin="$tmp/bin" log="$tmp/calls"
  rm -rf "$bin" "$log"; mkdir "$bin"; : >"$log"
  for tool in bash grep; do ln -s "$(command -v $tool)" "$bin/$tool"; done
  printf '#!%s\necho %s\n' "$(command -v bash)" "$uid" >"$bin/id"
  if [ "$installed" = all ]; then
    printf '#!%s\necho "install ok installed"\n' "$(command -v bash)" >"$bin/dpkg-query"
  else
    printf '#!%s\nexit 1\n' "$(command -v bash)" >"$bin/dpkg-query"
  fi
  printf '#!%s\necho "apt-get $*" >>%s\n' "$(command -v bash)" "$log" >"$bin/apt-get"
  [ "$sudo" = yes ] && printf '#!%s\necho -n "sudo " >>%s\n"$@"\n' "$(command -v bash)" "$log" >"$bin/sudo"
  chmod +x "$bin"/*
  err=$(PATH="$bin" "$bin/bash" "$script" 2>&1 >/dev/null)
  got=$?
  name="uid=$uid installed=$installed sudo=$sudo"
  [ "$got" -eq "$code" ] || { echo "FAIL $name: exit $got, expected $code ($err)"; fail=1; }
  [ -z "$message" ] || [[ "$err" == *"$message"* ]] || { echo "FAIL $name: stderr lacks '$message': $err"; fail=1; }
  if [ -z "$calls" ]; then
    [ ! -s "$log" ] || { echo "FAIL $name: unexpected calls: $(cat "$log")"; fail=1; }
  else
    grep -q "^$calls" "$log" || { echo "FAIL $name: no '$calls' in: $(cat "$log")"; fail=1; }
  fi
done
exit $fail
