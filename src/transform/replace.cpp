#include "transform/replace.h"

namespace quillon {

ReplaceStep ReplaceAtSelection(std::size_t start, std::string_view findText, std::string_view replaceText) {
  return ReplaceStep{ReplaceSpan(start, findText.size(), std::string(replaceText), start + replaceText.size()),
                     start + replaceText.size()};
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
  std::string& out = run.text;
  out.reserve(text.size() + (replaceText.size() > findText.size() ? text.size() / 4 : 0));
  std::size_t pos = searchPos;
  out.append(text.substr(0, pos));
  for (;;) {
    const std::size_t p = text.find(findText, pos);
    if (p == std::string_view::npos) break;
    out.append(text.substr(pos, p - pos));
    out.append(replaceText);
    pos = p + findText.size();
    ++run.count;
    run.searchPos = out.size();
    if (p < caret) run.caret = caret >= pos ? out.size() + (caret - pos) : out.size();
  }
  out.append(text.substr(pos));
  return run;
}

}  // namespace quillon
