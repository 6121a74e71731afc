#pragma once
// What the verbs share in reading their flags: NAME=VALUE pairs, the refusal
// that becomes exit 2, and the machine parameters as --machine sets them.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/machine_parameters.h"
#include "cli/cli_verbs.h"

namespace quillon::cli {

using Assignment = std::pair<std::string, std::string>;

// Thrown while reading the flags; becomes exit 2 with its one-line reason.
struct UsageError {
  std::string reason;
  // A refused entry is reported in the words a dialog uses for it, without
  // the verb in front, so scripts match one line whichever way it came.
  bool bare = false;
};

// The flags of a verb one by one: "--name=value" and "--name value" read the
// same; value() is UsageError when the arguments end first.
class FlagReader {
 public:
  explicit FlagReader(const Args& args) : m_args(args) {}
  // The next argument, its inline value split off; false after the last one.
  bool next();
  const std::string& flag() const { return m_flag; }
  std::string value();

 private:
  const Args& m_args;
  std::size_t m_next = 0;
  std::string m_flag;
  std::optional<std::string> m_inline;
};

// "KEY=VALUE" given to flag; UsageError without a "=" or without a KEY.
Assignment SplitAssignment(const std::string& flag, const std::string& text);

// A value for a box that takes a number is judged as the dialog judges it.
void RequireNumberEntry(const std::string& field, const std::string& text);

// The folder of the running program: data/ lives beside it. Tests run the
// verb inside their own executable and name the folder in QUILLON_APP_DIR.
std::string AppFolder();

// The machine parameters a verb works with: the defaults (no settings are
// read), then each --machine KEY=VALUE in turn; UsageError for a key that is
// no machine parameter or a value it cannot take.
MachineParameters MachineFromFlags(const std::vector<Assignment>& machine);

}  // namespace quillon::cli
