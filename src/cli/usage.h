#pragma once
// The --help texts of quillon-nc: one row per verb, each with its options.
#include <iosfwd>
#include <span>
#include <string_view>

#include "cli/cli_verbs.h"

namespace quillon::cli {

struct OptionUsage {
  const char* name;   // "--digits"
  const char* value;  // "N"; nullptr for a flag without a value
  const char* text;
};

struct VerbUsage {
  const char* verb;
  const char* synopsis;  // after "quillon-nc VERB "
  const char* summary;   // one line, for the verb list
  std::span<const OptionUsage> options;
  const char* details;  // paragraphs after the options; may be empty
  const char* example;  // one command line
};

std::span<const VerbUsage> VerbUsages();
const VerbUsage* FindVerbUsage(std::string_view verb);

void PrintProgramHelp(std::ostream& out);
void PrintVerbHelp(const VerbUsage& usage, std::ostream& out);

// Whether the arguments after the verb ask for its help: a "--help" that is
// not the value of an option which takes one ("replace --find --help" looks
// for the text "--help").
bool AsksForHelp(const VerbUsage& usage, const Args& args);

}  // namespace quillon::cli
