// quillon-nc check: the program check, one finding a line in the form
// compilers print, so editors and CI systems read it.
#include <ostream>
#include <stdexcept>

#include "check/program_check.h"
#include "cli/byte_stream.h"
#include "cli/cli_verbs.h"
#include "cli/machine_flags.h"
#include "document/text_file.h"

namespace quillon::cli {

namespace {

struct CheckRequest {
  std::vector<Assignment> machine;
  std::string file;
};

CheckRequest ParseCheckRequest(const Args& args) {
  CheckRequest r;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--machine") {
      if (i + 1 >= args.size()) throw UsageError{"--machine needs a value"};
      r.machine.push_back(SplitAssignment(arg, args[++i]));
    } else if (arg.starts_with("--machine=")) {
      r.machine.push_back(SplitAssignment("--machine", arg.substr(10)));
    } else if (arg.starts_with("-") && arg != "-") {
      throw UsageError{"unknown option " + arg};
    } else if (!r.file.empty()) {
      throw UsageError{"more than one file given"};
    } else {
      r.file = arg;
    }
  }
  return r;
}

}  // namespace

int RunCheck(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  StreamSource source(in);
  return RunCheck(args, source, out, err);
}

int RunCheck(const Args& args, ByteSource& in, std::ostream& out, std::ostream& err) {
  try {
    const CheckRequest request = ParseCheckRequest(args);
    const MachineParameters machine = MachineFromFlags(request.machine);
    std::string bytes;
    if (const int code = ReadInputBytes(request.file, in, bytes, err); code != kExitOk) return code;
    const std::string text = DecodeProgramBytes(bytes).text;
    bytes = {};
    const std::vector<Finding> findings = CheckProgram(text, machine);
    const std::string name = request.file.empty() ? "<stdin>" : request.file;
    std::string lines;
    for (const Finding& f : findings) {
      lines += FormatFinding(name, f);
      lines += '\n';
    }
    out << lines;
    return HasError(findings) ? 1 : kExitOk;
  } catch (const UsageError& e) {
    err << (e.bare ? "" : "check: ") << e.reason << "\n";
    return kExitUsage;
  } catch (const std::length_error&) {
    err << "check: the program is too large (4 GiB or more)\n";
    return kExitUsage;
  }
}

}  // namespace quillon::cli
