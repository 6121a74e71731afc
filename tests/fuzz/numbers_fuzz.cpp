// The number readers and the writer: the validator accepts only what the
// strict reader reads, and what the writer writes for a kept value reads
// back as that value, passes the validator and never needs an exponent.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "numbers/entry_check.h"
#include "numbers/nc_number.h"
#include "numbers/process_error.h"

using namespace quillon;

namespace {

void CheckWritten(double value) {
  double kept = value;
  std::string text;
  try {
    text = FormatNcNumber(kept);
  } catch (const ProcessError& e) {
    fuzz::Require(e.number == kErrOverflow);
    return;
  }
  fuzz::Require(std::isfinite(kept));
  fuzz::Require(text.find_first_of("eE") == std::string::npos && text != "-0");
  fuzz::Require(JudgeEntry(text) == EntryKind::Number);
  fuzz::Require(ReadNumber(text) == kept);
  // Writing the kept value again changes nothing, wherever a double still
  // holds every thousandth with room to spare.
  if (std::fabs(kept) >= 1e12) return;
  double again = kept;
  fuzz::Require(FormatNcNumber(again) == text && again == kept);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  fuzz::Require(ScanNumber(text) <= text.size());
  const double lenient = ReadNumber(text);
  fuzz::Require(std::isfinite(lenient));
  const std::optional<double> strict = ParseStrictNumber(text);
  if (strict) fuzz::Require(std::isfinite(*strict));

  const EntryKind kind = JudgeEntry(text);
  const std::optional<double> entry = EntryValue(text);
  fuzz::Require(entry.has_value() == (kind != EntryKind::NotANumber));
  if (entry) {
    fuzz::Require(std::isfinite(*entry));
    // An accepted entry means to the lenient reader what the validator read.
    fuzz::Require(kind == EntryKind::Empty || *entry == lenient);
    CheckWritten(*entry);
  }
  if (strict) CheckWritten(*strict);
  if (size == sizeof(double)) {
    double raw = 0;
    __builtin_memcpy(&raw, data, sizeof raw);
    CheckWritten(raw);
  }
  return 0;
}
