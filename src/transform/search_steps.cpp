#include "transform/search_steps.h"

#include <algorithm>
#include <memory>
#include <string>

#include "transform/replace.h"
#include "transform/size_shift.h"
#include "transform/text_matcher.h"

namespace quillon {
namespace {

struct EndMessageRow {
  SearchEnd end;
  const char* title;
  const char* counted;   // after the count; nullptr: the tool counts nothing
  const char* notFound;  // after the quoted find text
};

// clang-format off
// end                        title                 count text                         not-found text
constexpr EndMessageRow kEndMessages[] = {
    {SearchEnd::FindNext,      "Find",              nullptr,                           " not find."},
    {SearchEnd::MenuNextFind,  " Fund ",            " time  change しました . ",        "は見つかりませんでした . "},
    {SearchEnd::ReplaceChange, "Character列Change", " Time Changeしました.",            " 見つかりませんでした."},
    {SearchEnd::ReplaceSkip,   "Replace",           " times replaced.",                 " not find."},
    {SearchEnd::ShiftChange,   "DataChange",        " Time DataをChangeしました.",       " 見つかりません."},
    {SearchEnd::ShiftSkip,     "Size Shift",        " times size shifted.",             " not find."},
};
// clang-format on

constexpr const char* kShiftImpossibleTitle = "Size Shift";

SearchEnd ChangeEnd(ChangeTool tool) {
  return tool == ChangeTool::Replace ? SearchEnd::ReplaceChange : SearchEnd::ShiftChange;
}
SearchEnd SkipEnd(ChangeTool tool) {
  return tool == ChangeTool::Replace ? SearchEnd::ReplaceSkip : SearchEnd::ShiftSkip;
}

DocumentEdit NoChange() {
  DocumentEdit edit;
  edit.changesText = false;
  return edit;
}

// The end-of-search message ends the run.
void EndRun(DocumentEdit& outcome, SearchEnd end, SearchState& state) {
  outcome.message = EndOfSearchMessage(end, state.replaceCount, state.findText);
  state.firstFind = true;
  state.replaceCount = 0;
}

// First occurrence of word in written + rest, where written is the freshly
// written part of an edit that the search starts inside (size shift goes on
// one character into the word it wrote); occurrences starting in written may
// run on into rest.
std::size_t FindAcross(std::string_view written, std::string_view rest, std::string_view word) {
  if (!written.empty()) {
    std::string window(written);
    window.append(rest.substr(0, word.size() - 1));
    const std::size_t p = window.find(word);
    if (p != std::string::npos && p < written.size()) return p;
  }
  const std::size_t r = rest.find(word);
  return r == std::string_view::npos ? r : written.size() + r;
}

// The matcher of a search that uses its options; none for the exact search
// (size shift always searches exactly).
std::unique_ptr<TextMatcher> OptionsMatcher(const SearchState& state, bool forReplace = false) {
  if (state.options.exact() && !state.options.wrapAround) return nullptr;
  return std::make_unique<TextMatcher>(state.findText, state.options, forReplace ? &state.replaceText : nullptr);
}

// The next occurrence from pos; with wrap around, one that is not there
// is looked for again from the top.
std::optional<Match> NextMatch(std::string_view text, std::size_t pos, const SearchState& state,
                               const TextMatcher* matcher) {
  if (!matcher) return FindNextOccurrence(text, pos, state.findText);
  auto match = pos <= text.size() ? matcher->find(text, pos) : std::nullopt;
  if (!match && state.options.wrapAround && pos > 0) match = matcher->find(text, 0);
  return match;
}

// A pattern RE2 refuses ends the run with its reason.
bool RefusedPattern(const TextMatcher* matcher, std::string_view title, DocumentEdit& outcome, SearchState& state) {
  if (!matcher || matcher->error().empty()) return false;
  outcome.message = PatternMessage(title, matcher->error());
  state.firstFind = true;
  state.replaceCount = 0;
  return true;
}

ShiftCalculation StateCalculation(const SearchState& state) {
  ShiftCalculation calculation = ParseShiftCalculation(state.replaceText);
  calculation.wordsOnly = state.options.shiftWordsOnly;
  return calculation;
}

std::size_t LineOf(std::string_view text, std::size_t position) {
  const auto head = text.substr(0, position);
  return 1 + static_cast<std::size_t>(std::count(head.begin(), head.end(), '\n'));
}

}  // namespace

ToolMessage EndOfSearchMessage(SearchEnd end, std::size_t count, std::string_view findText) {
  const auto* row = std::find_if(std::begin(kEndMessages), std::end(kEndMessages),
                                 [end](const EndMessageRow& r) { return r.end == end; });
  ToolMessage message{row->title, {}};
  if (count != 0 && row->counted)
    message.text = std::to_string(count) + row->counted;
  else
    message.text = "\"" + Latin1ToUtf8(findText) + "\"" + row->notFound;
  return message;
}

ToolMessage ShiftImpossibleMessage(std::size_t line, std::string_view oldWord, std::string_view calculation) {
  return {kShiftImpossibleTitle, "Line " + std::to_string(line) + ": \"" + Latin1ToUtf8(oldWord) +
                                     "\" cannot be calculated with \"" + Latin1ToUtf8(calculation) +
                                     "\". Nothing changed."};
}

std::optional<Match> FindAfterEdit(std::string_view text, const DocumentEdit& change, std::size_t searchPos,
                                   std::string_view findText) {
  if (!change.changesText) return FindNextOccurrence(text, searchPos, findText);
  const DocumentEdit* edit = &change;
  const std::size_t written = edit->text.size();
  if (searchPos >= edit->start + written) {
    auto match = FindNextOccurrence(text, searchPos - written + edit->length, findText);
    if (match) match->start = match->start - edit->length + written;
    return match;
  }
  if (searchPos < edit->start) {
    // Not a position the steps use; correct, just not narrow.
    return FindNextOccurrence(ApplyDocumentEdit(text, {}, *edit).text, searchPos, findText);
  }
  if (findText.empty()) return std::nullopt;
  const std::size_t p = FindAcross(std::string_view(edit->text).substr(searchPos - edit->start),
                                   text.substr(edit->start + edit->length), findText);
  if (p == std::string_view::npos) return std::nullopt;
  return Match{searchPos + p, findText.size()};
}

DocumentEdit FindStep(std::string_view text, SearchState& state, bool fromTop) {
  if (fromTop) state.searchPos = 0;
  DocumentEdit outcome = NoChange();
  const auto matcher = OptionsMatcher(state);
  if (RefusedPattern(matcher.get(), "Find", outcome, state)) return outcome;
  if (auto match = NextMatch(text, state.searchPos, state, matcher.get())) {
    state.searchPos = match->start + match->length;
    outcome.select = match;
  } else {
    EndRun(outcome, SearchEnd::FindNext, state);
  }
  return outcome;
}

DocumentEdit MenuNextFindStep(std::string_view text, SearchState& state, std::size_t caret) {
  state.searchPos = caret + 1;
  DocumentEdit outcome = NoChange();
  const auto matcher = OptionsMatcher(state);
  if (RefusedPattern(matcher.get(), "Find", outcome, state)) return outcome;
  if (auto match = NextMatch(text, state.searchPos, state, matcher.get())) {
    state.searchPos = match->start + match->length;
    outcome.select = match;
  } else {
    outcome.message = EndOfSearchMessage(SearchEnd::MenuNextFind, state.replaceCount, state.findText);
  }
  return outcome;
}

DocumentEdit ChangeStep(ChangeTool tool, std::string_view text, Match selection, SearchState& state, bool fromTop) {
  if (fromTop) state.searchPos = 0;
  DocumentEdit outcome = NoChange();
  const auto matcher = tool == ChangeTool::Replace ? OptionsMatcher(state, true) : nullptr;
  if (RefusedPattern(matcher.get(), "Replace", outcome, state)) return outcome;
  if (state.firstFind) {
    state.firstFind = false;
  } else if (matcher ? matcher->matchesAt(text, selection) : SelectionSpells(text, selection, state.findText)) {
    if (matcher) {
      std::string written = matcher->replacement(text, selection, state.replaceText);
      const std::size_t end = selection.start + written.size();
      outcome = ReplaceSpan(selection.start, selection.length, std::move(written), end);
      state.searchPos = end;
      ++state.replaceCount;
    } else if (tool == ChangeTool::Replace) {
      ReplaceStep step = ReplaceAtSelection(selection.start, state.findText, state.replaceText);
      outcome = std::move(step.edit);
      state.searchPos = step.searchPos;
      ++state.replaceCount;
    } else {
      ShiftStep step = ShiftValueAtSelection(text, selection.start, state.findText, StateCalculation(state));
      state.searchPos = step.searchPos;
      if (step.outcome == ShiftOutcome::Impossible) {
        outcome.message = ShiftImpossibleMessage(LineOf(text, selection.start), step.oldWord, state.replaceText);
        return outcome;
      }
      if (step.edit) {
        outcome = std::move(*step.edit);
        ++state.replaceCount;
      }
    }
  } else if (!fromTop) {
    state.searchPos = std::min(selection.start, text.size());
  }

  std::optional<Match> match;
  if (!matcher)
    match = FindAfterEdit(text, outcome, state.searchPos, state.findText);
  else if (outcome.changesText)
    match = NextMatch(ApplyDocumentEdit(text, {}, outcome).text, state.searchPos, state, matcher.get());
  else
    match = NextMatch(text, state.searchPos, state, matcher.get());
  if (match) {
    state.searchPos = match->start + match->length;
    outcome.select = match;
  } else {
    EndRun(outcome, ChangeEnd(tool), state);
  }
  return outcome;
}

DocumentEdit SkipStep(ChangeTool tool, std::string_view text, SearchState& state, bool fromTop) {
  if (fromTop) state.searchPos = 0;
  DocumentEdit outcome = NoChange();
  const auto matcher = tool == ChangeTool::Replace ? OptionsMatcher(state) : nullptr;
  if (RefusedPattern(matcher.get(), "Replace", outcome, state)) return outcome;
  if (auto match = NextMatch(text, state.searchPos, state, matcher.get())) {
    state.searchPos = match->start + match->length;
    outcome.select = match;
  } else {
    EndRun(outcome, SkipEnd(tool), state);
  }
  return outcome;
}

DocumentEdit AllChangeStep(ChangeTool tool, std::string_view text, std::size_t caret, SearchState& state,
                           bool fromTop) {
  if (fromTop) state.searchPos = 0;
  DocumentEdit outcome = NoChange();
  std::string changed;
  std::size_t count = 0;
  std::size_t caretAfter = 0;
  const auto matcher = tool == ChangeTool::Replace ? OptionsMatcher(state, true) : nullptr;
  if (RefusedPattern(matcher.get(), "Replace", outcome, state)) return outcome;
  // With wrap around every occurrence of the text is changed.
  if (matcher && state.options.wrapAround) state.searchPos = 0;
  if (tool == ChangeTool::Replace) {
    ReplaceRun run = matcher ? ReplaceAll(text, state.searchPos, *matcher, state.replaceText, caret)
                             : ReplaceAll(text, state.searchPos, state.findText, state.replaceText, caret);
    count = run.count;
    caretAfter = run.caret;
    state.searchPos = run.searchPos;
    changed = std::move(run.text);
  } else {
    ShiftRun run = ShiftAll(text, state.searchPos, state.findText, StateCalculation(state), caret);
    state.searchPos = run.searchPos;
    if (run.failure) {
      outcome.select = Match{run.failure->position, state.findText.size()};
      outcome.message = ShiftImpossibleMessage(run.failure->line, run.failure->oldWord, state.replaceText);
      state.firstFind = true;
      state.replaceCount = 0;
      return outcome;
    }
    count = run.count;
    caretAfter = run.caret;
    changed = std::move(run.text);
  }
  if (count > 0) {
    outcome = ChangedSpan(text, changed, caretAfter);
    state.replaceCount += count;
  }
  EndRun(outcome, SkipEnd(tool), state);
  return outcome;
}

}  // namespace quillon
