#pragma once
// A document stand-in for the search dialogs' tests: a text and a selection that take a step's outcome the way
// frmDocument does.
#include <string>
#include <string_view>
#include <vector>

#include "transform/search_steps.h"

namespace quillon::testing_support {

struct FakeDocument {
  std::string text;
  Match selection;
  std::vector<std::string> messages;  // "title|text"

  void apply(const DocumentEdit& step) {
    AppliedText applied = ApplyDocumentEdit(text, selection, step);
    text = std::move(applied.text);
    selection = applied.selection;
    if (step.message) messages.push_back(step.message->title + "|" + step.message->text);
  }
};

// Presses buttons in order: C Change, S Skip, A All Change, F Find (frmFind), N the Next Find command; a "^" before a
// letter ticks "from top" for that press. The user meanwhile: "@7" puts the caret at 7, "#Z" types Z there.
inline void Press(ChangeTool tool, FakeDocument& doc, SearchState& state, const std::string& presses) {
  bool fromTop = false;
  for (std::size_t k = 0; k < presses.size(); ++k) {
    const char p = presses[k];
    if (p == '@') {
      std::size_t caret = 0;
      while (k + 1 < presses.size() && presses[k + 1] >= '0' && presses[k + 1] <= '9')
        caret = caret * 10 + static_cast<std::size_t>(presses[++k] - '0');
      doc.selection = Match{caret, 0};
    } else if (p == '#') {
      doc.text.replace(doc.selection.start, doc.selection.length, 1, presses[++k]);
      doc.selection = Match{doc.selection.start + 1, 0};
    } else if (p == '^') {
      fromTop = true;
    } else {
      if (std::string_view("CSAFN").find(p) != std::string_view::npos)
        doc.apply(p == 'C'   ? ChangeStep(tool, doc.text, doc.selection, state, fromTop)
                  : p == 'S' ? SkipStep(tool, doc.text, state, fromTop)
                  : p == 'A' ? AllChangeStep(tool, doc.text, doc.selection.start, state, fromTop)
                  : p == 'F' ? FindStep(doc.text, state, fromTop)
                             : MenuNextFindStep(doc.text, state, doc.selection.start));
      fromTop = false;
    }
  }
}

inline std::string Joined(const std::vector<std::string>& messages) {
  std::string all;
  for (const auto& m : messages) all += (all.empty() ? "" : " / ") + m;
  return all;
}

// A dialog opened with the caret at caret, its find and replace (or word and calculation) boxes filled in.
struct Dialog {
  FakeDocument doc;
  SearchState state;

  Dialog(const std::string& text, const std::string& find, const std::string& replace, std::size_t caret = 0)
      : doc{text, Match{caret, 0}, {}} {
    state.searchPos = caret;
    state.findText = find;
    state.replaceText = replace;
  }
  void press(ChangeTool tool, const std::string& presses) { Press(tool, doc, state, presses); }
  std::string messages() const { return Joined(doc.messages); }
};

}  // namespace quillon::testing_support
