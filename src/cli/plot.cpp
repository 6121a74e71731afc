// plot: the program's toolpath as a segment table or an SVG drawing.
#include "toolpath/plot.h"

#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/byte_stream.h"
#include "cli/cli_verbs.h"
#include "cli/machine_flags.h"
#include "document/text_file.h"
#include "toolpath/toolpath.h"

namespace quillon::cli {

namespace {

struct PlotRequest {
  bool svg = false;
  std::vector<Assignment> machine;
  std::string file;
};

PlotRequest ParsePlotRequest(const Args& args) {
  PlotRequest r;
  bool fileGiven = false;
  for (FlagReader flags(args); flags.next();) {
    const std::string& flag = flags.flag();
    const auto value = [&flags] { return flags.value(); };
    if (flag == "--format") {
      const std::string format = value();
      if (format != "text" && format != "svg") throw UsageError{"--format takes text or svg, got \"" + format + "\""};
      r.svg = format == "svg";
    } else if (flag == "--machine") {
      r.machine.push_back(SplitAssignment(flag, value()));
    } else if (flag.starts_with("-") && flag != "-") {
      throw UsageError{"unknown option " + flag};
    } else if (fileGiven) {
      throw UsageError{"more than one file given"};
    } else {
      r.file = flag == "-" ? std::string() : flag;
      fileGiven = true;
    }
  }
  return r;
}

std::string ProblemText(const ToolpathProblem& p) {
  if (p.kind == ToolpathProblemKind::AngleGivesNoPoint)
    return "line " + std::to_string(p.line) + ": the angle A never reaches the given X or Z";
  return "line " + std::to_string(p.line) + ": the arc ends " + FormatPlotNumber(p.offBy) + " mm off its circle";
}

}  // namespace

int RunPlot(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  StreamSource source(in);
  return RunPlot(args, source, out, err);
}

int RunPlot(const Args& args, ByteSource& in, std::ostream& out, std::ostream& err) {
  try {
    const PlotRequest request = ParsePlotRequest(args);
    const MachineParameters machine = MachineFromFlags(request.machine);
    std::string bytes;
    if (const int code = ReadInputBytes(request.file, in, bytes, err); code != kExitOk) return code;
    const Toolpath path = InterpretToolpath(DecodeProgramBytes(bytes).text, machine);
    out << (request.svg ? FormatToolpathSvg(path) : FormatToolpathText(path));
    for (const ToolpathProblem& p : path.problems) err << ProblemText(p) << "\n";
    return kExitOk;
  } catch (const UsageError& e) {
    err << (e.bare ? "" : "plot: ") << e.reason << "\n";
    return kExitUsage;
  }
}

}  // namespace quillon::cli
