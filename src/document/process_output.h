#pragma once
// How a process command's output lands in a document: the editor and the
// command line apply it by the same rule.
#include <cstddef>
#include <string>
#include <string_view>

#include "process/process_command.h"

namespace quillon {

struct AppliedText {
  std::string text;
  std::size_t caret = 0;
};

// atCaret + afterCaret replace the selection [selStart, selStart + selLength);
// the caret ends right after atCaret; appendAtEnd goes after the whole text.
// A selection reaching past the text is cut to it.
AppliedText ApplyProcessOutput(std::string_view text, std::size_t selStart, std::size_t selLength,
                               const ProcessOutput& output);

}  // namespace quillon
