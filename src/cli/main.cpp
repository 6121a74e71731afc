// quillon-nc: the editor's logic from a terminal.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>

#include "cli/byte_stream.h"
#include "cli/cli_verbs.h"
#include "cli/usage.h"
#include "version.h"

namespace {

// Output that did not reach its place (a full disk, a closed pipe) is a
// failed run, never a success. Closing the descriptor is the last chance a
// file system has to report a failed write.
int CheckedStandardOutput(int code) {
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "cannot write standard output\n";
    return quillon::cli::kExitIoError;
  }
  if (::close(1) != 0 && errno != EBADF) {
    std::cerr << "cannot write standard output: " << std::strerror(errno) << "\n";
    return quillon::cli::kExitIoError;
  }
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quillon::cli;
  std::ios::sync_with_stdio(false);
  // A closed pipe then fails the write and is reported, instead of ending
  // the program silently.
  std::signal(SIGPIPE, SIG_IGN);
  Args args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--version") {
    std::cout << "quillon-nc " << quillon::kVersionText << "\n";
    return CheckedStandardOutput(kExitOk);
  }
  if (args.size() == 1 && args[0] == "--help") {
    PrintProgramHelp(std::cout);
    return CheckedStandardOutput(kExitOk);
  }
  if (args.empty()) {
    std::cerr << "usage: quillon-nc generate|renumber|shift|replace|calc ... (or --version)\n";
    return kExitUsage;
  }
  const std::string verb = args[0];
  Args rest(args.begin() + 1, args.end());
  if (const VerbUsage* usage = FindVerbUsage(verb); usage && AsksForHelp(*usage, rest)) {
    PrintVerbHelp(*usage, std::cout);
    return CheckedStandardOutput(kExitOk);
  }
  FdSource standardInput(0);
  FdSink standardOutput(1);
  if (verb == "generate") return CheckedStandardOutput(RunGenerate(rest, std::cout, std::cerr));
  if (verb == "renumber") return CheckedStandardOutput(RunRenumber(rest, standardInput, standardOutput, std::cerr));
  if (verb == "shift") return CheckedStandardOutput(RunShift(rest, standardInput, standardOutput, std::cerr));
  if (verb == "replace") return CheckedStandardOutput(RunReplace(rest, standardInput, standardOutput, std::cerr));
  if (verb == "calc") return CheckedStandardOutput(RunCalc(rest, std::cout, std::cerr));
  if (verb == "outline") return CheckedStandardOutput(RunOutline(rest, standardInput, std::cout, std::cerr));
  if (verb == "check") return CheckedStandardOutput(RunCheck(rest, standardInput, std::cout, std::cerr));
  if (verb == "plot") return CheckedStandardOutput(RunPlot(rest, standardInput, std::cout, std::cerr));
  std::cerr << "unknown verb: " << verb << "\n";
  return kExitUsage;
}
