# The renumbering a user would script by hand: four digits, five blanks
# before an axis word, labels kept, lines of comments, names and TABs left
# alone, numbers back to 1 after a program end. Baseline of
# compare_baselines.sh (mawk -f bench/renumber.awk FILE).
BEGIN { n = 1 }
{
  if (ended) n = 1
  c = substr($0, 1, 1)
  if (c == "" || c == "\r" || index("\t-<&$(%O", c)) { print; ended = end($0); next }
  if (c == "N" && substr($0, 2, 1) ~ /[A-Z]/) {
    match($0, /^N[^ \t\r]*/); w = substr($0, 1, RLENGTH); rest = substr($0, RLENGTH + 1)
  } else {
    w = sprintf("N%04d", n); rest = $0
    if (c == "N") sub(/^N[^\r]?[0-9]*/, "", rest)
  }
  sub(/^ +/, "", rest)
  line = w (rest ~ /^[XYZ]/ ? "     " : " ") rest
  print line
  ended = end(line)
  n++
  if (n > 9999) n = 1
}
function end(s) { return substr(s, 2) ~ /(^|[ \r])(M02|M2|M30|RTS)([ \r]|$)/ }
