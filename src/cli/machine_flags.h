#pragma once
// The flags verbs share: NAME=VALUE assignments and the machine parameters
// they set (--machine KEY=VALUE), read the same way by every verb.
#include <string>
#include <utility>
#include <vector>

#include "app/machine_parameters.h"

namespace quillon::cli {

// Thrown while reading flags; the verb turns it into exit 2 with its reason.
struct UsageError {
  std::string reason;
  // A refused entry is reported in the words a dialog uses for it, without
  // the verb in front, so scripts match one line whichever way it came.
  bool bare = false;
};

using Assignment = std::pair<std::string, std::string>;

// "NAME=VALUE" of flag; UsageError without a name or "=".
Assignment SplitAssignment(const std::string& flag, const std::string& text);

// A value for a box that takes a number is judged as the dialog judges it.
void RequireNumberEntry(const std::string& field, const std::string& text);

// The folder of the running program: data/ lives beside it. Tests run the
// verb inside their own executable and name the folder in QUILLON_APP_DIR.
std::string AppFolder();

// The parameters of a machine without stored settings, then each --machine
// assignment in order; UsageError for an unknown key or a refused value.
MachineParameters MachineFromFlags(const std::vector<Assignment>& machine);

}  // namespace quillon::cli
