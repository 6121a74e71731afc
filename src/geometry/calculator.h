#pragma once
// The state every calculator dialog shows, and what a recalculation returns.
#include <array>
#include <initializer_list>
#include <optional>
#include <string>

#include "geometry/figure.h"

namespace quillon {

// Results are nudged up by a ten-thousandth before the three-decimal cut, so a
// value a hair under a thousandth (14.99999) is not written a thousandth short.
inline constexpr double kResultNudge = 0.0001;

// Highest box number any calculator uses (Text19 of the two-lines calculator).
inline constexpr int kLastBox = 19;

struct CalculatorFields {
  std::array<std::string, kLastBox + 1> text{};  // text[n] is the box TextN; text[0] is unused
  int option = 1;                                // the chosen OptionN
  bool check1 = false;                           // Check1 ticked
  bool check1Enabled = false;                    // Check1 can be clicked
};

struct Calculation {
  CalculatorFields fields;
  std::optional<Figure> figure;  // empty: the drawing stays as it was
};

struct BoxValue {
  int box;
  double value;
};

// Whether any of the boxes is empty (the calculators then do less or nothing).
bool AnyEmpty(const CalculatorFields& fields, std::initializer_list<int> boxes);

// The number typed into a box.
double Entry(const CalculatorFields& fields, int box);

// Writes every value plus nudge in the NC number format into its box. When
// any value cannot be written (not finite, or too large for the format's
// arithmetic) nothing is written and the result is false: the boxes keep
// what they held, as after an arithmetic failure.
bool WriteResults(CalculatorFields& fields, std::initializer_list<BoxValue> values, double nudge);

}  // namespace quillon
