// Program files through open and save: what is saved opens as the same text
// and style, a second save writes the same bytes, and a file in one line-end
// style that ends with a line end is saved byte for byte.
#include <cstdint>
#include <string>
#include <string_view>

#include "document/text_file.h"
#include "fuzz_input.h"

using namespace quillon;

namespace {

// Every line end LF, or every one CR LF, and the last byte one of them.
bool IsPlainFile(std::string_view bytes, LineEndStyle style) {
  if (bytes.empty() || bytes.back() != '\n') return false;
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\n' && (i > 0 && bytes[i - 1] == '\r') != (style == LineEndStyle::CrLf)) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const DecodedText opened = DecodeProgramBytes(bytes);
  fuzz::Require(opened.text.size() <= bytes.size());
  const std::string saved = EncodeProgramText(opened.text, opened.style);
  if (IsPlainFile(bytes, opened.style)) fuzz::Require(saved == bytes);

  const DecodedText reopened = DecodeProgramBytes(saved);
  fuzz::Require(reopened.style == opened.style);
  fuzz::Require(reopened.text.compare(0, opened.text.size(), opened.text) == 0);
  fuzz::Require(reopened.text.size() - opened.text.size() <= 1);
  fuzz::Require(EncodeProgramText(reopened.text, reopened.style) == saved);
  fuzz::Require(ApplyLineEnds(opened.text, opened.style).size() <= saved.size());
  return 0;
}
