#pragma once
// The dialogs' Change button pressed over and over, as a user works through a
// text: from the top first, then on from each change, until a step answers
// with its message (the end of the search, or a value it cannot calculate).
#include <cstddef>
#include <string>

#include "transform/search_steps.h"

namespace quillon::fuzz {

// The text after the last click; afterEach(text, selection) sees every step
// that changed something.
template <class AfterEach>
std::string ClickChangeToTheEnd(ChangeTool tool, std::string text, SearchState& state, AfterEach afterEach) {
  Match selection;
  for (std::size_t click = 0, clicks = text.size() + 1; click <= clicks; ++click) {
    const DocumentEdit edit = ChangeStep(tool, text, selection, state, click == 0);
    AppliedText applied = ApplyDocumentEdit(text, selection, edit);
    text = std::move(applied.text);
    selection = applied.selection;
    if (edit.message) break;
    afterEach(text, selection);
  }
  return text;
}

}  // namespace quillon::fuzz
