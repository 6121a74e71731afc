// renumber, shift and replace: the transformation tools over a file, streamed
// line by line through the same per-line cores the dialogs use. Each line
// keeps its own line end, so a run that changes nothing writes the input back
// byte for byte.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/byte_stream.h"
#include "cli/cli_verbs.h"
#include "document/text_file.h"
#include "numbers/nc_number.h"
#include "transform/jump_targets.h"
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

constexpr const char* kOutputName = "standard output";

// The input of a run: the named file, or the verb's standard input.
class RunInput {
 public:
  RunInput(const std::string& path, ByteSource& standardInput) : m_name(path.empty() ? "standard input" : path) {
    if (path.empty()) {
      m_source = &standardInput;
    } else {
      m_file = std::make_unique<FileSource>(path);
      m_source = m_file.get();
    }
  }
  // False (with the reason in err) when the named file cannot be opened.
  bool open(std::ostream& err) const {
    if (!m_file || m_file->isOpen()) return true;
    err << OpenFailureMessage(m_name, *m_file) << "\n";
    return false;
  }
  ByteSource& source() const { return *m_source; }
  const std::string& name() const { return m_name; }

 private:
  std::string m_name;
  std::unique_ptr<FileSource> m_file;
  ByteSource* m_source = nullptr;
};

// StreamLines' result when the transformation itself ended the run.
constexpr int kTransformStopped = -1;

// Feeds every run of whole lines to transform(lines, out), which appends the
// result to out and returns false to end the run (having noted why). A read
// or write failure is reported here and ends the run with kExitIoError.
template <typename Transform>
int StreamLines(const RunInput& input, ByteSink& sink, std::ostream& err, bool deferred, Transform&& transform) {
  LineBlockReader reader(input.source());
  BlockWriter writer(sink, deferred);
  std::string_view lines;
  bool written = true;
  while (written && reader.next(lines)) {
    if (!transform(lines, writer.buffer())) return kTransformStopped;
    written = writer.flushIfFull();
  }
  if (reader.failed()) {
    err << "cannot read " << input.name() << ": " << reader.error() << "\n";
    return kExitIoError;
  }
  if (!written || !writer.finish()) {
    err << "cannot write " << kOutputName << ": " << sink.error() << "\n";
    return kExitIoError;
  }
  return kExitOk;
}

// A find text that spans lines is matched in the whole text as the dialogs
// see it: read whole, line ends made "\n", the result written with the file's
// line-end style.
bool ReadWholeProgram(const RunInput& input, std::ostream& err, DecodedText& program) {
  const WholeRead read = ReadAllBytes(input.source());
  if (!read.ok()) {
    err << ReadFailureMessage(input.name(), read) << "\n";
    return false;
  }
  program = DecodeProgramBytes(read.bytes);
  return true;
}

bool ReadAllBytes(const RunInput& input, std::ostream& err, std::string& bytes) {
  LineBlockReader reader(input.source());
  std::string_view lines;
  while (reader.next(lines)) bytes.append(lines);
  if (!reader.failed()) return true;
  err << "cannot read " << input.name() << ": " << input.source().error() << "\n";
  return false;
}

// A number option as given; NaN (refused by the range checks) when it is not
// one or does not fit a double (1e400 must not read as 0).
double OptionNumber(const std::string& value) {
  const auto number = ParseStrictNumber(value);
  if (!number || !std::isfinite(std::strtod(value.c_str(), nullptr))) return std::nan("");
  return *number;
}

bool WriteWhole(ByteSink& sink, std::string_view bytes, std::ostream& err) {
  if (sink.write(bytes)) return true;
  err << "cannot write " << kOutputName << ": " << sink.error() << "\n";
  return false;
}

std::size_t CountLineFeeds(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

int RunRenumber(const Args& args, ByteSource& in, ByteSink& out, std::ostream& err) {
  ArrangeOptions options;
  std::optional<std::size_t> afterLine;
  OptionReader reader(args, err, "renumber");
  bool badValue = false;
  const auto takesValue = [](const std::string& name) {
    return name == "digits" || name == "start" || name == "step" || name == "space" || name == "after-line";
  };
  const auto handle = [&](const std::string& name, const std::string* value) {
    if (name == "digits") {
      options.digits = OptionNumber(*value);
    } else if (name == "start") {
      options.start = OptionNumber(*value);
    } else if (name == "step") {
      options.step = OptionNumber(*value);
    } else if (name == "space") {
      if (*value == "0")
        options.spacing = SequenceSpacing::None;
      else if (*value == "1")
        options.spacing = SequenceSpacing::One;
      else if (*value == "5")
        options.spacing = SequenceSpacing::Five;
      else
        badValue = !reader.fail("--space takes 0, 1 or 5");
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
    } else if (name == "keep-targets" && !value) {
      options.keepTargets = true;
    } else {
      return false;
    }
    return true;
  };
  if (!reader.read(takesValue, handle) || badValue) return kExitUsage;
  if (const auto problem = ArrangeOptionsProblem(options)) return reader.fail(*problem), kExitUsage;

  const RunInput input(reader.file(), in);
  if (!input.open(err)) return kExitUsage;
  // --after-line N keeps lines 1 to N; the line after them is judged on
  // nothing before it, since the caret stands at the end of line N.
  std::size_t keep = afterLine.value_or(0);
  bool judge = false;  // whether the line before is judged for a program end
  bool previousEnds = false, stopped = false;
  SequenceNumberer numberer(options);
  const auto renumber = [&](std::string_view lines, std::string& written) {
    if (stopped) {
      written.append(lines);
      return true;
    }
    ForEachLine(lines, [&](std::string_view line, std::string_view lineEnd) {
      if (!stopped && keep == 0 && judge) stopped = !numberer.nextLine(previousEnds);
      if (stopped || keep > 0) {
        keep -= keep > 0 ? 1 : 0;
        written.append(line);
      } else {
        const std::size_t start = written.size();
        numberer.appendLine(line, written);
        previousEnds = EndsProgram(std::string_view(written).substr(start), 1);
      }
      judge = true;
      written.append(lineEnd);
    });
    return true;
  };
  if (!options.keepTargets) return StreamLines(input, out, err, false, renumber);
  // Jumps may point forward: the whole program is renumbered before they are followed.
  std::string bytes, renumbered;
  if (!ReadAllBytes(input, err, bytes)) return kExitIoError;
  renumbered.reserve(bytes.size() + bytes.size() / 4);
  renumber(bytes, renumbered);
  const FollowedJumps followed = FollowJumps(bytes, renumbered);
  if (!WriteWhole(out, followed.text, err)) return kExitIoError;
  err << followed.report << "\n";
  return kExitOk;
}

int RunShift(const Args& args, ByteSource& in, ByteSink& out, std::ostream& err) {
  std::string word, calculation;
  bool wordsOnly = false;
  OptionReader reader(args, err, "shift");
  const auto takesValue = [](const std::string& name) { return name == "word" || name == "calc"; };
  const auto handle = [&](const std::string& name, const std::string* value) {
    if (name == "word")
      word = *value;
    else if (name == "calc")
      calculation = *value;
    else if (name == "words-only" && !value)
      wordsOnly = true;
    else
      return false;
    return true;
  };
  if (!reader.read(takesValue, handle)) return kExitUsage;
  // The dialog's buttons stay disabled while either box is empty.
  if (word.empty() || calculation.empty()) return reader.fail("--word and --calc must not be empty"), kExitUsage;
  if (const auto problem = ShiftCalculationProblem(calculation)) return reader.fail(*problem), kExitUsage;

  const RunInput input(reader.file(), in);
  if (!input.open(err)) return kExitUsage;
  ShiftCalculation calc = ParseShiftCalculation(calculation);
  calc.wordsOnly = wordsOnly;
  std::size_t count = 0;
  std::optional<ShiftFailure> failure;
  std::vector<std::string> notes;  // words-only: numbers that are none
  if (word.find('\n') != std::string::npos) {
    DecodedText program;
    if (!ReadWholeProgram(input, err, program)) return kExitIoError;
    const ShiftRun run = ShiftAll(program.text, 0, word, calc);
    for (const ShiftSkipped& skipped : run.malformed)
      notes.push_back(MalformedWordNote(1 + CountLineFeeds(program.text.substr(0, skipped.position)), skipped.word));
    failure = run.failure;
    if (!failure && !WriteWhole(out, ApplyLineEnds(run.text, program.style), err)) return kExitIoError;
    count = run.count;
  } else {
    // A calculation that may fail on some value holds the output back: a run
    // that fails writes nothing.
    const bool deferred = !ShiftAlwaysWritable(calc);
    std::size_t linesBefore = 0;
    const int exit = StreamLines(input, out, err, deferred, [&](std::string_view lines, std::string& written) {
      const ShiftPass pass = AppendShifted(lines, 0, word, calc, written);
      if (pass.impossibleAt) {
        const std::size_t p = *pass.impossibleAt;
        failure = ShiftFailure{linesBefore + 1 + CountLineFeeds(lines.substr(0, p)),
                               std::string(lines.substr(p, pass.impossibleLength)), p};
        return false;
      }
      for (const ShiftSkipped& skipped : pass.malformed)
        notes.push_back(
            MalformedWordNote(linesBefore + 1 + CountLineFeeds(lines.substr(0, skipped.position)), skipped.word));
      count += pass.count;
      linesBefore += CountLineFeeds(lines);
      return true;
    });
    if (exit != kExitOk && !failure) return exit;
  }
  if (failure) {
    err << ShiftImpossibleMessage(failure->line, failure->oldWord, calculation).text << "\n";
    return kExitProcessError;
  }
  for (const std::string& note : notes) err << note << "\n";
  err << EndOfSearchMessage(SearchEnd::ShiftSkip, count, word).text << "\n";
  return kExitOk;
}

int RunReplace(const Args& args, ByteSource& in, ByteSink& out, std::ostream& err) {
  std::string findText, replaceText;
  SearchOptions options;
  OptionReader reader(args, err, "replace");
  const auto takesValue = [](const std::string& name) { return name == "find" || name == "with"; };
  const auto handle = [&](const std::string& name, const std::string* value) {
    if (name == "find")
      findText = *value;
    else if (name == "with")
      replaceText = *value;
    else if (name == "ignore-case" && !value)
      options.matchCase = false;
    else if (name == "whole-word" && !value)
      options.wholeWord = true;
    else if (name == "regex" && !value)
      options.regex = true;
    else
      return false;
    return true;
  };
  if (!reader.read(takesValue, handle)) return kExitUsage;
  // An empty replacement is not possible in the dialog either.
  if (findText.empty() || replaceText.empty()) return reader.fail("--find and --with must not be empty"), kExitUsage;

  const TextMatcher matcher(findText, options, &replaceText);
  if (!matcher.error().empty()) return reader.fail(PatternMessage("", matcher.error()).text), kExitUsage;

  const RunInput input(reader.file(), in);
  if (!input.open(err)) return kExitUsage;
  std::size_t count = 0;
  int exit = kExitOk;
  if (!options.exact()) {
    // As the dialog sees the text: a pattern may reach over line ends.
    DecodedText program;
    if (!ReadWholeProgram(input, err, program)) return kExitIoError;
    const ReplaceRun run = ReplaceAll(program.text, 0, matcher, replaceText);
    if (!WriteWhole(out, ApplyLineEnds(run.text, program.style), err)) return kExitIoError;
    count = run.count;
  } else if (findText.find('\n') != std::string::npos) {
    DecodedText program;
    if (!ReadWholeProgram(input, err, program)) return kExitIoError;
    const ReplaceRun run = ReplaceAll(program.text, 0, findText, replaceText);
    if (!WriteWhole(out, ApplyLineEnds(run.text, program.style), err)) return kExitIoError;
    count = run.count;
  } else if (findText.find('\r') == std::string::npos && replaceText.find('\n') == std::string::npos) {
    // No occurrence can reach into a line end: whole runs of lines at once.
    exit = StreamLines(input, out, err, false, [&](std::string_view lines, std::string& written) {
      count += AppendReplaced(lines, 0, findText, replaceText, written);
      return true;
    });
  } else {
    // Line by line: a CR in the find text must not meet the CR of a CR LF,
    // and a line feed in the replacement takes the line end of its line (a
    // last line without one that of the line before, CR LF when there is none).
    std::string withCrLf;
    for (char c : replaceText) withCrLf += c == '\n' ? std::string_view("\r\n") : std::string_view(&c, 1);
    bool crLf = true;
    exit = StreamLines(input, out, err, false, [&](std::string_view lines, std::string& written) {
      ForEachLine(lines, [&](std::string_view line, std::string_view lineEnd) {
        if (!lineEnd.empty()) crLf = lineEnd.size() == 2;
        count += AppendReplaced(line, 0, findText, crLf ? withCrLf : replaceText, written);
        written.append(lineEnd);
      });
      return true;
    });
  }
  if (exit != kExitOk) return exit;
  err << EndOfSearchMessage(SearchEnd::ReplaceSkip, count, findText).text << "\n";
  return kExitOk;
}

int RunRenumber(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  StreamSource source(in);
  StreamSink sink(out);
  return RunRenumber(args, source, sink, err);
}

int RunShift(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  StreamSource source(in);
  StreamSink sink(out);
  return RunShift(args, source, sink, err);
}

int RunReplace(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  StreamSource source(in);
  StreamSink sink(out);
  return RunReplace(args, source, sink, err);
}

}  // namespace quillon::cli
