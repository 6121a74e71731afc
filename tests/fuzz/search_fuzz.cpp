// Find and replace: Change clicked to the end of the search, All Change and
// the command line's stream over the same bytes give the same text, every
// selection a Find step makes spells the find text, and the count of the run
// is that of the replacements.
#include <cstdint>
#include <sstream>
#include <string>

#include "change_clicks.h"
#include "cli/cli_verbs.h"
#include "fuzz_input.h"
#include "transform/replace.h"
#include "transform/search_steps.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput input(data, size);
  const std::string findText(input.text());
  const std::string replaceText(input.text());
  const std::string text(input.rest());
  if (findText.empty() || replaceText.empty()) return 0;

  const ReplaceRun run = ReplaceAll(text, 0, findText, replaceText);

  SearchState all;
  all.findText = findText;
  all.replaceText = replaceText;
  const DocumentEdit allEdit = AllChangeStep(ChangeTool::Replace, text, 0, all, true);
  fuzz::Require(ApplyDocumentEdit(text, {}, allEdit).text == run.text);

  SearchState state;
  state.findText = findText;
  state.replaceText = replaceText;
  const std::string clicked =
      fuzz::ClickChangeToTheEnd(ChangeTool::Replace, text, state,
                                [&](const std::string& t, Match m) { fuzz::Require(SelectionSpells(t, m, findText)); });
  fuzz::Require(clicked == run.text);

  SearchState finding;
  finding.findText = findText;
  std::size_t found = 0;
  for (bool fromTop = true;; fromTop = false) {
    const DocumentEdit edit = FindStep(text, finding, fromTop);
    if (edit.message || !edit.select) break;
    fuzz::Require(SelectionSpells(text, *edit.select, findText));
    fuzz::Require(++found <= text.size());
  }

  // The command line streams a file whose line ends it keeps (a line feed it
  // writes takes the style of its line).
  if (text.find('\r') == std::string::npos && replaceText.find('\n') == std::string::npos) {
    std::istringstream in(text);
    std::ostringstream out, err;
    fuzz::Require(cli::RunReplace({"--find", findText, "--with", replaceText}, in, out, err) == cli::kExitOk);
    fuzz::Require(out.str() == run.text);
  }
  return 0;
}
