#include "transform/jump_targets.h"

namespace quillon {
namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// The digits of an "N<digits>" word without leading zeros; none for any other text.
std::optional<std::string_view> NumberKey(std::string_view word) {
  if (word.size() < 2 || word[0] != 'N') return std::nullopt;
  for (std::size_t k = 1; k < word.size(); ++k)
    if (!IsDigit(word[k])) return std::nullopt;
  const std::size_t first = word.find_first_not_of('0', 1);
  return first == std::string_view::npos ? std::string_view("0") : word.substr(first);
}

template <typename Each>
void ForEachTextLine(std::string_view text, Each each) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t lf = text.find('\n', start);
    if (lf == std::string_view::npos) {
      each(text.substr(start), false);
      return;
    }
    each(text.substr(start, lf - start), true);
    start = lf + 1;
  }
}

}  // namespace

std::string_view CarriedWord(std::string_view line) {
  std::size_t k = 0;
  while (k < line.size() && (line[k] == ' ' || line[k] == '\t')) ++k;
  if (k + 1 >= line.size() || line[k] != 'N' || !IsDigit(line[k + 1])) return {};
  std::size_t end = k + 1;
  while (end < line.size() && IsDigit(line[end])) ++end;
  return line.substr(k, end - k);
}

std::optional<std::string_view> CarriedNumber(std::string_view line) {
  const std::string_view word = CarriedWord(line);
  if (word.empty()) return std::nullopt;
  return NumberKey(word);
}

void JumpFollower::noteLine(std::string_view before, std::string_view after) {
  const auto key = CarriedNumber(before);
  if (!key) return;
  Target& target = m_targets[std::string(*key)];
  ++target.carriers;
  target.word = std::string(CarriedWord(after));
}

void JumpFollower::rewriteLine(std::string_view line, std::size_t lineNumber, std::string& out) {
  std::size_t copied = 0;
  std::string_view keyword = "GOTO";
  for (const Token& token : m_lexer.lex(line)) {
    if (token.kind == TokenKind::Keyword) {
      const std::string_view word = TokenText(line, token);
      if (word == "GOTO" || word == "IF") keyword = word;
    }
    if (token.kind != TokenKind::LabelReference || !token.has(kTokenJump)) continue;
    const std::string_view reference = TokenText(line, token);
    const auto key = NumberKey(reference);
    if (!key) continue;  // a name (GOTO NALM1) follows its line anyway
    const auto found = m_targets.find(std::string(*key));
    const std::string where =
        "line " + std::to_string(lineNumber) + ": " + std::string(keyword) + " " + Latin1ToUtf8(reference);
    if (found == m_targets.end()) {
      m_notes.push_back(where + " has no target");
      continue;
    }
    if (found->second.carriers > 1) {
      m_notes.push_back(where + " has more than one target");
      continue;
    }
    const std::string& word = found->second.word;
    if (word.empty() || NumberKey(word) == key) continue;
    out.append(line.substr(copied, token.start - copied));
    out.append(word);
    copied = token.end();
    ++m_updated;
  }
  out.append(line.substr(copied));
}

std::string JumpFollower::report() const {
  std::string text = std::to_string(m_updated) + " jump references updated.";
  for (const std::string& note : m_notes) text += "\n" + note;
  return text;
}

FollowedJumps FollowJumps(std::string_view before, std::string_view after) {
  JumpFollower follower;
  std::vector<std::string_view> oldLines;
  ForEachTextLine(before, [&](std::string_view line, bool) { oldLines.push_back(line); });
  std::size_t index = 0;
  ForEachTextLine(after, [&](std::string_view line, bool) {
    if (index < oldLines.size()) follower.noteLine(oldLines[index], line);
    ++index;
  });
  FollowedJumps result;
  result.text.reserve(after.size());
  std::size_t lineNumber = 0;
  ForEachTextLine(after, [&](std::string_view line, bool lineFeed) {
    follower.rewriteLine(line, ++lineNumber, result.text);
    if (lineFeed) result.text.push_back('\n');
  });
  result.updated = follower.updated();
  result.notes = follower.notes();
  result.report = follower.report();
  return result;
}

}  // namespace quillon
