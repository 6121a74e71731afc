#include "cli/usage.h"

#include <cctype>
#include <ostream>
#include <string>

namespace quillon::cli {
namespace {

// clang-format off
constexpr OptionUsage kGenerateOptions[] = {
  // name              value          text
  {"--list",           nullptr,       "print the process command names, one a line, and stop"},
  {"--material",       "FILE",        "load the cutting conditions from FILE; a relative FILE missing in the current folder is looked up in the program's folder"},
  {"--machine",        "KEY=VALUE",   "set one machine parameter (repeatable)"},
  {"--set",            "BOX=VALUE",   "type VALUE into the dialog box BOX (repeatable)"},
  {"--kept",           "NAME=VALUE",  "a value kept from an earlier command: PZero, Length, JawLength, JawFace, MaterialOD, MaterialID (repeatable)"},
  {"--spindle-speed",  "RPM",         "the kept spindle speed"},
};

constexpr OptionUsage kRenumberOptions[] = {
  // name              value          text
  {"--digits",         "N",           "digits after N (default 3; wider numbers are written unpadded)"},
  {"--start",          "N",           "first sequence number (default 1)"},
  {"--step",           "N",           "increment (default 1)"},
  {"--space",          "0|1|5",       "blanks after the number (default 5)"},
  {"--after-line",     "LINE",        "start at the line after LINE instead of the top"},
  {"--stop-m02",       nullptr,       "stop at M02 and RTS"},
  {"--continue",       nullptr,       "numbers run on past a program end"},
  {"--keep-targets",   nullptr,       "GOTO N.. and IF [..] N.. jumps follow their lines to the new numbers; indented labels are labels"},
};

constexpr OptionUsage kShiftOptions[] = {
  // name              value          text
  {"--word",           "WORD",        "the address word whose values change, e.g. X"},
  {"--calc",           "CALC",        "the arithmetic applied to each value, e.g. '*0.8' or '+1.5'"},
  {"--words-only",     nullptr,       "change address words with a plain number only: not in comments or brackets, not after a letter or _"},
};

constexpr OptionUsage kReplaceOptions[] = {
  // name              value          text
  {"--find",           "TEXT",        "the text to find (not empty)"},
  {"--with",           "TEXT",        "the text written instead (not empty)"},
  {"--ignore-case",    nullptr,       "letters match in either case"},
  {"--whole-word",     nullptr,       "no letter before a match starting with a letter, no digit or point after one ending with a digit"},
  {"--regex",          nullptr,       "TEXT is an RE2 regular expression; \\1 to \\9 in the replacement name its groups"},
};

constexpr OptionUsage kCalcOptions[] = {
  // name              value          text
  {"--leave",          "BOX",         "the box the focus leaves, which starts the calculation (default: the last BOX given)"},
};

constexpr OptionUsage kCheckOptions[] = {
  // name              value          text
  {"--machine",        "KEY=VALUE",   "set one machine parameter the rules read, e.g. MaxS=3000 (repeatable)"},
};

constexpr OptionUsage kPlotOptions[] = {
  // name              value          text
  {"--format",         "text|svg",    "text: one segment a line (the default); svg: a standalone drawing"},
  {"--machine",        "KEY=VALUE",   "set one machine parameter (repeatable); the path starts at HomeX, HomeZ"},
};

constexpr VerbUsage kVerbs[] = {
  // verb        synopsis                                   summary
  {"generate",   "COMMAND [OPTION]...\n       quillon-nc generate --list",
                 "write one process command's block on an empty document",
                 kGenerateOptions,
                 "The block is written to standard output with CR LF line ends. A material file\n"
                 "that cannot be read is reported on standard error and the block is still written.\n",
                 "quillon-nc generate ProcessRoughOD --material \" cutting  condition /S45C.CSV\" --set StartX=40 --set EndZ=-30 --kept MaterialOD=60"},
  {"renumber",   "[OPTION]... [FILE]",
                 "renumber the sequence numbers of a program",
                 kRenumberOptions,
                 "Reads FILE, or standard input without FILE, and writes the program to standard\n"
                 "output with the input's line ends.\n",
                 "quillon-nc renumber --digits 4 --start 10 --step 10 program.min > renumbered.min"},
  {"shift",      "--word WORD --calc CALC [FILE]",
                 "change the values of one address word (size shift)",
                 kShiftOptions,
                 "Reads FILE, or standard input without FILE, and writes the program to standard\n"
                 "output with the input's line ends; the count of changes goes to standard error.\n",
                 "quillon-nc shift --word X --calc '*0.8' program.min"},
  {"replace",    "--find TEXT --with TEXT [FILE]",
                 "replace every occurrence of a text",
                 kReplaceOptions,
                 "Reads FILE, or standard input without FILE, and writes the program to standard\n"
                 "output with the input's line ends; the count of changes goes to standard error.\n",
                 "quillon-nc replace --find M08 --with M09 program.min"},
  {"calc",       "FORM [--leave BOX] [BOX=VALUE]...",
                 "run a geometry calculator or the spindle-speed calculation",
                 kCalcOptions,
                 "FORM is one of frmLineAngle, frmLineR, frmLineRLine, frmLineRPoint, frmCirclePoint\n"
                 "and RPM. Each BOX=VALUE types into an entry (Option1=1 picks an option, Check1=1\n"
                 "ticks the check box); the filled result boxes are printed as BOX=VALUE lines.\n",
                 "quillon-nc calc frmLineR Text1=20 Text2=0 Text3=0 Text4=20 Text5=-20 Text6=5"},
  {"outline",    "[FILE]",
                 "list a program's processes, tools, names, subprograms, calls and ends",
                 {},
                 "Reads FILE, or standard input without FILE, and prints one entry a line as\n"
                 "LINE<TAB>KIND<TAB>TEXT, LINE counted from 1, KIND one of process, tool, name,\n"
                 "program, call and end.\n",
                 "quillon-nc outline program.min"},
  {"check",      "[--machine KEY=VALUE]... [FILE]",
                 "find what would stop or endanger the machine in a program",
                 kCheckOptions,
                 "Reads FILE, or standard input without FILE (named <stdin>), and prints one finding\n"
                 "a line as NAME:LINE:COL: SEVERITY: MESSAGE [ID], LINE and COL counted from 1\n"
                 "(COL in bytes), in line order. SEVERITY is error, warning or note. The exit\n"
                 "status is 0 when no finding is an error, 1 when one is, 2 on bad usage.\n",
                 "quillon-nc check --machine MaxS=3000 program.min"},
  {"plot",       "[--format text|svg] [--machine KEY=VALUE]... [FILE]",
                 "draw a program's toolpath in the X-Z plane",
                 kPlotOptions,
                 "Reads FILE, or standard input without FILE. The text form prints one segment a\n"
                 "line as LINE<TAB>KIND<TAB>X1 Z1<TAB>X2 Z2, and XC ZC after another TAB for an arc;\n"
                 "KIND is one of rapid, feed, cw, ccw, contour, cycle and error, X a diameter.\n"
                 "An arc whose end misses its circle is reported on standard error.\n",
                 "quillon-nc plot --format svg program.min > program.svg"},
};
// clang-format on

constexpr const char* kExitStatus =
    "Exit status:\n"
    "  0  success\n"
    "  1  reading the input or writing the output failed (the reason on standard error)\n"
    "  2  bad usage: an unknown verb or option, a missing or malformed value, an unreadable file\n"
    "  3  process error: the command refused the values (the controller's error text on standard error)\n";

void PrintOption(const OptionUsage& option, std::ostream& out) {
  std::string head = std::string("  ") + option.name;
  if (option.value) head += std::string(" ") + option.value;
  constexpr std::size_t kColumn = 28;
  out << head;
  if (head.size() + 2 > kColumn)
    out << "\n" << std::string(kColumn, ' ');
  else
    out << std::string(kColumn - head.size(), ' ');
  out << option.text << "\n";
}

}  // namespace

std::span<const VerbUsage> VerbUsages() { return kVerbs; }

const VerbUsage* FindVerbUsage(std::string_view verb) {
  for (const VerbUsage& usage : kVerbs)
    if (verb == usage.verb) return &usage;
  return nullptr;
}

void PrintProgramHelp(std::ostream& out) {
  out << "Usage: quillon-nc VERB [OPTION]... [FILE]\n"
         "       quillon-nc --help | --version\n"
         "Run the Quillon editor's commands from a terminal.\n\n"
         "Verbs:\n";
  for (const VerbUsage& usage : kVerbs) {
    const std::string verb = usage.verb;
    out << "  " << verb << std::string(12 - verb.size(), ' ') << usage.summary << "\n";
  }
  out << "\nOptions:\n"
         "  --help                    print this help and stop\n"
         "  --version                 print the version and stop\n\n"
         "Run 'quillon-nc VERB --help' for the options of one verb.\n\n"
      << kExitStatus << "\nExample:\n  " << kVerbs[0].example << "\n";
}

void PrintVerbHelp(const VerbUsage& usage, std::ostream& out) {
  out << "Usage: quillon-nc " << usage.verb << " " << usage.synopsis << "\n"
      << static_cast<char>(std::toupper(static_cast<unsigned char>(usage.summary[0]))) << usage.summary + 1
      << ".\n\nOptions:\n";
  for (const OptionUsage& option : usage.options) PrintOption(option, out);
  PrintOption({"--help", nullptr, "print this help and stop"}, out);
  if (*usage.details) out << "\n" << usage.details;
  out << "\n" << kExitStatus << "\nExample:\n  " << usage.example << "\n";
}

bool AsksForHelp(const VerbUsage& usage, const Args& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help") return true;
    if (!arg.starts_with("--") || arg.find('=') != std::string::npos) continue;
    for (const OptionUsage& option : usage.options)
      if (arg == option.name && option.value) {
        ++i;
        break;
      }
  }
  return false;
}

}  // namespace quillon::cli
