// quillon-nc: the editor's logic from a terminal.
#include <iostream>
#include <string>

#include "cli/cli_verbs.h"
#include "cli/usage.h"
#include "version.h"

int main(int argc, char** argv) {
  using namespace quillon::cli;
  std::ios::sync_with_stdio(false);
  Args args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--version") {
    std::cout << "quillon-nc " << quillon::kVersionText << "\n";
    return kExitOk;
  }
  if (args.size() == 1 && args[0] == "--help") {
    PrintProgramHelp(std::cout);
    return kExitOk;
  }
  if (args.empty()) {
    std::cerr << "usage: quillon-nc generate|renumber|shift|replace|calc ... (or --version)\n";
    return kExitUsage;
  }
  const std::string verb = args[0];
  Args rest(args.begin() + 1, args.end());
  if (const VerbUsage* usage = FindVerbUsage(verb); usage && AsksForHelp(*usage, rest)) {
    PrintVerbHelp(*usage, std::cout);
    return kExitOk;
  }
  if (verb == "generate") return RunGenerate(rest, std::cout, std::cerr);
  if (verb == "renumber") return RunRenumber(rest, std::cin, std::cout, std::cerr);
  if (verb == "shift") return RunShift(rest, std::cin, std::cout, std::cerr);
  if (verb == "replace") return RunReplace(rest, std::cin, std::cout, std::cerr);
  if (verb == "calc") return RunCalc(rest, std::cout, std::cerr);
  if (verb == "outline") return RunOutline(rest, std::cin, std::cout, std::cerr);
  std::cerr << "unknown verb: " << verb << "\n";
  return kExitUsage;
}
