// renumber, shift and replace: the transformation tools over a file.
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>

#include "cli/cli_verbs.h"
#include "document/text_file.h"
#include "numbers/nc_number.h"
#include "transform/replace.h"
#include "transform/search_steps.h"
#include "transform/sequence_numbers.h"
#include "transform/size_shift.h"

namespace quillon::cli {
namespace {

// Options of one verb: "--name value", "--name=value" or a bare flag, and at
// most one file.
class OptionReader {
 public:
  OptionReader(const Args& args, std::ostream& err, const char* verb) : m_args(args), m_err(err), m_verb(verb) {}

  // Walks the arguments; handler(name, value-or-null) returns false for an
  // unknown option. takesValue(name) says whether name wants a value.
  template <typename TakesValue, typename Handle>
  bool read(TakesValue takesValue, Handle handle) {
    for (std::size_t i = 0; i < m_args.size(); ++i) {
      std::string arg = m_args[i];
      if (arg.rfind("--", 0) != 0 || arg == "--") {
        if (!m_file.empty()) return fail("more than one file given");
        m_file = arg;
        continue;
      }
      std::optional<std::string> value;
      if (const auto eq = arg.find('='); eq != std::string::npos) {
        value = arg.substr(eq + 1);
        arg.resize(eq);
      }
      const std::string name = arg.substr(2);
      if (takesValue(name) && !value) {
        if (i + 1 >= m_args.size()) return fail("--" + name + " needs a value");
        value = m_args[++i];
      }
      if (!handle(name, value ? &*value : nullptr)) return fail("unknown option --" + name);
    }
    return true;
  }

  bool fail(const std::string& reason) {
    m_err << m_verb << ": " << reason << "\n";
    return false;
  }

  const std::string& file() const { return m_file; }

 private:
  const Args& m_args;
  std::ostream& m_err;
  const char* m_verb;
  std::string m_file;
};

bool ReadProgram(const std::string& file, std::istream& in, std::ostream& err, DecodedText& decoded) {
  std::string bytes;
  if (!ReadInputBytes(file, in, bytes, err)) return false;
  decoded = DecodeProgramBytes(bytes);
  return true;
}

// Offset of the end of line `line` (1-based); 0 for line 0, the text's end
// past the last line.
std::size_t EndOfLine(const std::string& text, std::size_t line) {
  if (line == 0) return 0;
  std::size_t pos = 0;
  for (std::size_t k = 0; k < line; ++k) {
    const std::size_t lf = text.find('\n', pos);
    if (lf == std::string::npos) return text.size();
    if (k + 1 == line) return lf;
    pos = lf + 1;
  }
  return text.size();
}

}  // namespace

int RunRenumber(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  ArrangeOptions options;
  std::optional<std::size_t> afterLine;
  OptionReader reader(args, err, "renumber");
  bool badValue = false;
  const auto takesValue = [](const std::string& name) {
    return name == "digits" || name == "start" || name == "step" || name == "space" || name == "after-line";
  };
  const auto handle = [&](const std::string& name, const std::string* value) {
    if (name == "digits") {
      options.digits = ReadNumber(*value);
    } else if (name == "start") {
      options.start = ReadNumber(*value);
    } else if (name == "step") {
      options.step = ReadNumber(*value);
    } else if (name == "space") {
      if (*value == "0") options.spacing = SequenceSpacing::None;
      else if (*value == "1") options.spacing = SequenceSpacing::One;
      else if (*value == "5") options.spacing = SequenceSpacing::Five;
      else badValue = !reader.fail("--space takes 0, 1 or 5");
    } else if (name == "after-line") {
      std::size_t line = 0;
      const auto res = std::from_chars(value->data(), value->data() + value->size(), line);
      if (res.ec != std::errc() || res.ptr != value->data() + value->size())
        badValue = !reader.fail("--after-line takes a line number");
      afterLine = line;
    } else if (name == "stop-m02" && !value) {
      options.stopAtProgramEnd = true;
    } else if (name == "continue" && !value) {
      options.continuous = true;
    } else {
      return false;
    }
    return true;
  };
  if (!reader.read(takesValue, handle) || badValue) return kExitUsage;

  DecodedText program;
  if (!ReadProgram(reader.file(), in, err, program)) return kExitUsage;
  std::size_t caret = 0;
  if (afterLine) {
    options.fromTop = false;
    caret = EndOfLine(program.text, *afterLine);
  }
  const ArrangeResult result = ArrangeSequenceNumbers(program.text, options, caret);
  out << ApplyLineEnds(result.text, program.style);
  return kExitOk;
}

int RunShift(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  std::string word, calculation;
  OptionReader reader(args, err, "shift");
  const auto takesValue = [](const std::string& name) { return name == "word" || name == "calc"; };
  const auto handle = [&](const std::string& name, const std::string* value) {
    if (name == "word") word = *value;
    else if (name == "calc") calculation = *value;
    else return false;
    return true;
  };
  if (!reader.read(takesValue, handle)) return kExitUsage;
  // The dialog's buttons stay disabled while either box is empty.
  if (word.empty() || calculation.empty()) return reader.fail("--word and --calc must not be empty"), kExitUsage;

  DecodedText program;
  if (!ReadProgram(reader.file(), in, err, program)) return kExitUsage;
  const ShiftRun run = ShiftAll(program.text, 0, word, ParseShiftCalculation(calculation));
  if (run.failure) {
    err << ShiftImpossibleMessage(run.failure->line, run.failure->oldWord, calculation).text << "\n";
    return kExitProcessError;
  }
  out << ApplyLineEnds(run.text, program.style);
  err << EndOfSearchMessage(SearchEnd::ShiftSkip, run.count, word).text << "\n";
  return kExitOk;
}

int RunReplace(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  std::string findText, replaceText;
  OptionReader reader(args, err, "replace");
  const auto takesValue = [](const std::string& name) { return name == "find" || name == "with"; };
  const auto handle = [&](const std::string& name, const std::string* value) {
    if (name == "find") findText = *value;
    else if (name == "with") replaceText = *value;
    else return false;
    return true;
  };
  if (!reader.read(takesValue, handle)) return kExitUsage;
  // An empty replacement is not possible in the dialog either.
  if (findText.empty() || replaceText.empty())
    return reader.fail("--find and --with must not be empty"), kExitUsage;

  DecodedText program;
  if (!ReadProgram(reader.file(), in, err, program)) return kExitUsage;
  const ReplaceRun run = ReplaceAll(program.text, 0, findText, replaceText);
  out << ApplyLineEnds(run.text, program.style);
  err << EndOfSearchMessage(SearchEnd::ReplaceSkip, run.count, findText).text << "\n";
  return kExitOk;
}

}  // namespace quillon::cli
