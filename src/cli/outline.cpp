// outline: the program's outline, one entry per line.
#include "program/outline.h"

#include <ostream>
#include <stdexcept>

#include "cli/byte_stream.h"
#include "cli/cli_verbs.h"
#include "document/text_file.h"
#include "program/program_index.h"

namespace quillon::cli {

int RunOutline(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  StreamSource source(in);
  return RunOutline(args, source, out, err);
}

int RunOutline(const Args& args, ByteSource& in, std::ostream& out, std::ostream& err) {
  std::string file;
  for (const std::string& arg : args) {
    if (arg.starts_with("--")) {
      err << "outline: unknown option " << arg << "\n";
      return kExitUsage;
    }
    if (!file.empty()) {
      err << "outline: more than one file given\n";
      return kExitUsage;
    }
    file = arg;
  }
  std::string bytes;
  if (const int code = ReadInputBytes(file, in, bytes, err); code != kExitOk) return code;
  try {
    const ProgramIndex index(DecodeProgramBytes(bytes).text);
    out << FormatOutline(BuildOutline(index));
  } catch (const std::length_error&) {
    err << "outline: the program is too large (4 GiB or more)\n";
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace quillon::cli
