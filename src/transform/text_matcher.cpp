#include "transform/text_matcher.h"

#include <re2/re2.h>

#include <algorithm>
#include <vector>

namespace quillon {
namespace {

bool IsLetter(char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
char Folded(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

// A regex's groups beyond \9 cannot be named in a replacement.
constexpr int kGroups = 10;

}  // namespace

bool IsWholeNcWord(std::string_view text, std::size_t start, std::size_t length) {
  if (length == 0 || start + length > text.size()) return false;
  if (IsLetter(text[start]) && start > 0 && IsLetter(text[start - 1])) return false;
  const std::size_t after = start + length;
  return !(IsDigit(text[after - 1]) && after < text.size() && (IsDigit(text[after]) || text[after] == '.'));
}

TextMatcher::TextMatcher(std::string_view findText, const SearchOptions& options, const std::string* replaceText)
    : m_find(findText), m_options(options) {
  if (!options.regex) return;
  RE2::Options re2Options;
  re2Options.set_encoding(RE2::Options::EncodingLatin1);
  re2Options.set_case_sensitive(options.matchCase);
  re2Options.set_log_errors(false);
  m_re = std::make_unique<RE2>(re2::StringPiece(m_find.data(), m_find.size()), re2Options);
  if (!m_re->ok()) {
    m_error = m_re->error();
  } else if (replaceText && !m_re->CheckRewriteString(*replaceText, &m_error)) {
    if (m_error.empty()) m_error = "bad replacement";
  }
}

TextMatcher::~TextMatcher() = default;

std::optional<Match> TextMatcher::findOnce(std::string_view text, std::size_t from) const {
  if (m_re) {
    re2::StringPiece match;
    if (!m_re->Match(re2::StringPiece(text.data(), text.size()), from, text.size(), RE2::UNANCHORED, &match, 1))
      return std::nullopt;
    return Match{static_cast<std::size_t>(match.data() - text.data()), match.size()};
  }
  if (m_options.matchCase) {
    const std::size_t p = text.find(m_find, from);
    if (p == std::string_view::npos) return std::nullopt;
    return Match{p, m_find.size()};
  }
  const auto begin = text.begin() + static_cast<std::ptrdiff_t>(from);
  const auto it = std::search(begin, text.end(), m_find.begin(), m_find.end(),
                              [](char a, char b) { return Folded(a) == Folded(b); });
  if (it == text.end()) return std::nullopt;
  return Match{static_cast<std::size_t>(it - text.begin()), m_find.size()};
}

std::optional<Match> TextMatcher::find(std::string_view text, std::size_t from) const {
  if (m_find.empty() || !m_error.empty()) return std::nullopt;
  while (from <= text.size()) {
    const auto match = findOnce(text, from);
    if (!match) return std::nullopt;
    if (match->length > 0 && (!m_options.wholeWord || IsWholeNcWord(text, match->start, match->length))) return match;
    from = match->start + 1;
  }
  return std::nullopt;
}

bool TextMatcher::matchesAt(std::string_view text, Match selection) const {
  if (selection.length == 0 || selection.start + selection.length > text.size() || !m_error.empty()) return false;
  if (m_options.wholeWord && !IsWholeNcWord(text, selection.start, selection.length)) return false;
  if (m_re) {
    re2::StringPiece match;
    return m_re->Match(re2::StringPiece(text.data(), text.size()), selection.start, text.size(), RE2::ANCHOR_START,
                       &match, 1) &&
           match.size() == selection.length;
  }
  const auto found = findOnce(text.substr(0, selection.start + selection.length), selection.start);
  return found && found->start == selection.start && found->length == selection.length;
}

std::string TextMatcher::replacement(std::string_view text, Match selection, std::string_view replaceText) const {
  if (!m_re) return std::string(replaceText);
  std::vector<re2::StringPiece> groups(
      static_cast<std::size_t>(std::min(m_re->NumberOfCapturingGroups() + 1, kGroups)));
  std::string out;
  if (!m_re->Match(re2::StringPiece(text.data(), text.size()), selection.start, text.size(), RE2::ANCHOR_START,
                   groups.data(), static_cast<int>(groups.size())) ||
      !m_re->Rewrite(&out, re2::StringPiece(replaceText.data(), replaceText.size()), groups.data(),
                     static_cast<int>(groups.size())))
    return std::string(replaceText);
  return out;
}

ToolMessage PatternMessage(std::string_view title, const std::string& error) {
  return {std::string(title), "The search pattern cannot be used: " + Latin1ToUtf8(error)};
}

}  // namespace quillon
