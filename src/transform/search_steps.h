#pragma once
// The buttons of the search dialogs (Find, Replace, Size Shift) and the Next
// Find command as steps over the document's current text and the shared
// search state. Each returns the DocumentEdit the form applies: the change
// (if any), then the selection, then the message.
#include <cstddef>
#include <optional>
#include <string_view>

#include "transform/search.h"

namespace quillon {

// The tools that change occurrences; they share one button scheme.
enum class ChangeTool { Replace, SizeShift };

// Which end-of-search message a step shows.
enum class SearchEnd { FindNext, MenuNextFind, ReplaceChange, ReplaceSkip, ShiftChange, ShiftSkip };

// The message of a run that found nothing more: the count when something
// changed (count texts have no leading space), else the quoted find text.
ToolMessage EndOfSearchMessage(SearchEnd end, std::size_t count, std::string_view findText);

// A size shift that cannot be calculated (division by zero, a result too
// large to write): names the line, the word as it stands and the calculation.
ToolMessage ShiftImpossibleMessage(std::size_t line, std::string_view oldWord, std::string_view calculation);

// frmFind "Next Find".
DocumentEdit FindStep(std::string_view text, SearchState& state, bool fromTop);
// The Next Find command: continues one character after the caret with the
// last find text; the count of the run is kept.
DocumentEdit MenuNextFindStep(std::string_view text, SearchState& state, std::size_t caret);

// "Change": changes the selected occurrence (not on the first click of a
// run), then selects the next one. An occurrence is changed only while the
// selection still spells the find text; otherwise the search starts again
// from the caret.
DocumentEdit ChangeStep(ChangeTool tool, std::string_view text, Match selection, SearchState& state, bool fromTop);
// "Skip": selects the next occurrence.
DocumentEdit SkipStep(ChangeTool tool, std::string_view text, SearchState& state, bool fromTop);
// "All Change": every remaining occurrence as one edit; the caret keeps its
// place in the text, so the view does not jump.
DocumentEdit AllChangeStep(ChangeTool tool, std::string_view text, std::size_t caret, SearchState& state, bool fromTop);

// The first occurrence at or after searchPos in the text as it is after edit
// (positions of the edited text; an edit that changes nothing is none),
// without building that text.
std::optional<Match> FindAfterEdit(std::string_view text, const DocumentEdit& edit, std::size_t searchPos,
                                   std::string_view findText);

}  // namespace quillon
