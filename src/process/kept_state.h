#pragma once
// State that one command leaves for the next: owned by the main window (or
// the command line) and passed in explicitly.
#include <map>
#include <optional>
#include <string>

#include "process/process_input.h"

namespace quillon {

struct KeptState {
  // The last computed spindle speed; generators that do not compute one
  // write this (0 after start).
  double SpindleSpeed = 0;

  // Values kept by "Material Input" (empty until its dialog was confirmed).
  std::optional<double> PZero;   // program zero / material face position
  std::optional<double> Length;  // whole-number part
  std::optional<double> JawLength;
  std::optional<double> JawFace;
  std::optional<double> MaterialOD;  // whole-number part
  std::optional<double> MaterialID;  // whole-number part

  // The last accepted process dialog (the slant commands pre-fill B and SZ).
  ProcessInput LastInput;
  // Zero shift X last confirmed, per slant command (empty the first time).
  std::map<std::string, double> ZeroShiftX;
};

}  // namespace quillon
