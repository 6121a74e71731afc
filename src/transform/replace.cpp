#include "transform/replace.h"

namespace quillon {

ReplaceStep ReplaceAtSelection(std::size_t start, std::string_view findText, std::string_view replaceText) {
  return ReplaceStep{ReplaceSpan(start, findText.size(), std::string(replaceText), start + replaceText.size()),
                     start + replaceText.size()};
}

std::size_t AppendReplaced(std::string_view text, std::size_t from, std::string_view findText,
                           std::string_view replaceText, std::string& out, ReplaceMarks* marks) {
  std::size_t count = 0;
  std::size_t pos = from;
  for (;;) {
    const std::size_t p = text.find(findText, pos);
    if (p == std::string_view::npos) break;
    out.append(text.substr(pos, p - pos));
    out.append(replaceText);
    pos = p + findText.size();
    ++count;
    if (marks) {
      marks->searchPos = out.size();
      if (p < marks->caret) marks->newCaret = marks->caret >= pos ? out.size() + (marks->caret - pos) : out.size();
    }
  }
  out.append(text.substr(pos));
  return count;
}

ReplaceRun ReplaceAll(std::string_view text, std::size_t searchPos, std::string_view findText,
                      std::string_view replaceText, std::size_t caret) {
  ReplaceRun run;
  run.searchPos = searchPos;
  run.caret = caret;
  if (findText.empty() || searchPos > text.size()) {
    run.text = std::string(text);
    return run;
  }
  run.text.reserve(text.size() + (replaceText.size() > findText.size() ? text.size() / 4 : 0));
  run.text.append(text.substr(0, searchPos));
  ReplaceMarks marks{caret, caret, searchPos};
  run.count = AppendReplaced(text, searchPos, findText, replaceText, run.text, &marks);
  run.caret = marks.newCaret;
  run.searchPos = marks.searchPos;
  return run;
}

std::size_t AppendReplaced(std::string_view text, std::size_t from, const TextMatcher& matcher,
                           std::string_view replaceText, std::string& out, ReplaceMarks* marks) {
  std::size_t count = 0;
  std::size_t pos = from;
  while (const auto match = matcher.find(text, pos)) {
    out.append(text.substr(pos, match->start - pos));
    out.append(matcher.replacement(text, *match, replaceText));
    pos = match->start + match->length;
    ++count;
    if (marks) {
      marks->searchPos = out.size();
      if (match->start < marks->caret)
        marks->newCaret = marks->caret >= pos ? out.size() + (marks->caret - pos) : out.size();
    }
  }
  out.append(text.substr(pos));
  return count;
}

ReplaceRun ReplaceAll(std::string_view text, std::size_t searchPos, const TextMatcher& matcher,
                      std::string_view replaceText, std::size_t caret) {
  ReplaceRun run;
  run.searchPos = searchPos;
  run.caret = caret;
  if (searchPos > text.size()) {
    run.text = std::string(text);
    return run;
  }
  run.text.reserve(text.size() + text.size() / 4);
  run.text.append(text.substr(0, searchPos));
  ReplaceMarks marks{caret, caret, searchPos};
  run.count = AppendReplaced(text, searchPos, matcher, replaceText, run.text, &marks);
  run.caret = marks.newCaret;
  run.searchPos = marks.searchPos;
  return run;
}

}  // namespace quillon
