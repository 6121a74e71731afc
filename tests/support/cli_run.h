#pragma once
// Running quillon-nc verbs in-process from test rows: the test-data folder, "{data}" in a row's text, an args column
// split at blanks, and one verb run on a given standard input with its output, errors and exit code captured.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "cli/cli_verbs.h"
#include "support/case_file.h"

namespace quillon::testing_support {

inline std::string WithData(const std::string& text) { return ReplaceAll(text, "{data}", TestData()); }

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Blanks separate arguments; double quotes keep blanks inside one ("" is an empty argument). An unclosed quote sets
// *problem when given.
inline cli::Args SplitArgs(const std::string& text, std::string* problem = nullptr) {
  cli::Args args;
  std::string current;
  bool quoted = false, any = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (any) args.push_back(current);
      current.clear();
      any = false;
      continue;
    } else {
      current.push_back(c);
    }
    any = true;
  }
  if (quoted && problem) *problem = "unclosed quote in args";
  if (any) args.push_back(current);
  return args;
}

struct VerbRun {
  int exit = -1;  // -1: no such verb
  std::string out, err;
};

// One verb run in-process on `input` as standard input (generate and calc read none).
inline VerbRun RunVerb(const std::string& verb, const cli::Args& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  int exit = -1;
  if (verb == "generate") exit = cli::RunGenerate(args, out, err);
  if (verb == "calc") exit = cli::RunCalc(args, out, err);
  if (verb == "renumber") exit = cli::RunRenumber(args, in, out, err);
  if (verb == "shift") exit = cli::RunShift(args, in, out, err);
  if (verb == "replace") exit = cli::RunReplace(args, in, out, err);
  if (verb == "outline") exit = cli::RunOutline(args, in, out, err);
  if (verb == "check") exit = cli::RunCheck(args, in, out, err);
  if (verb == "plot") exit = cli::RunPlot(args, in, out, err);
  return {exit, out.str(), err.str()};
}

}  // namespace quillon::testing_support
