#include "document/process_output.h"

#include <algorithm>

namespace quillon {

AppliedText ApplyProcessOutput(std::string_view text, std::size_t selStart, std::size_t selLength,
                               const ProcessOutput& output) {
  const std::size_t start = std::min(selStart, text.size());
  const std::size_t length = std::min(selLength, text.size() - start);
  AppliedText applied;
  applied.text.reserve(text.size() + output.atCaret.size() + output.afterCaret.size() + output.appendAtEnd.size());
  applied.text.append(text.substr(0, start));
  applied.text.append(output.atCaret);
  applied.caret = applied.text.size();
  applied.text.append(output.afterCaret);
  applied.text.append(text.substr(start + length));
  applied.text.append(output.appendAtEnd);
  return applied;
}

}  // namespace quillon
