#pragma once
// What the verbs share in reading their flags: NAME=VALUE pairs, the refusal
// that becomes exit 2, and the machine parameters as --machine sets them.
#include <string>
#include <utility>
#include <vector>

#include "app/machine_parameters.h"

namespace quillon::cli {

using Assignment = std::pair<std::string, std::string>;

// Thrown while reading the flags; becomes exit 2 with its one-line reason.
struct UsageError {
  std::string reason;
  // A refused entry is reported in the words a dialog uses for it, without
  // the verb in front, so scripts match one line whichever way it came.
  bool bare = false;
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
