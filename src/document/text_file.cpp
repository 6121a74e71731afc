#include "document/text_file.h"

namespace quillon {

DecodedText DecodeProgramBytes(std::string_view bytes) {
  DecodedText out;
  out.text.reserve(bytes.size());
  std::size_t crlf = 0, lf = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      out.text.push_back('\n');
      ++i;
      ++crlf;
    } else {
      if (c == '\n') ++lf;
      out.text.push_back(c);
    }
  }
  out.style = (lf > 0 && crlf == 0) ? LineEndStyle::Lf : LineEndStyle::CrLf;
  return out;
}

std::string ApplyLineEnds(std::string_view text, LineEndStyle style) {
  if (style == LineEndStyle::Lf) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

std::string EncodeProgramText(std::string_view text, LineEndStyle style) {
  std::string out = ApplyLineEnds(text, style);
  if (text.empty() || text.back() != '\n') out += (style == LineEndStyle::Lf) ? "\n" : "\r\n";
  return out;
}

}  // namespace quillon
