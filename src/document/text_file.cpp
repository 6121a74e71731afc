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
  // A last lone CR ends the last line too: a LF after it would make a CR LF
  // that flips the whole file to CR LF when it is opened again.
  if (text.empty() || (text.back() != '\n' && text.back() != '\r')) out += (style == LineEndStyle::Lf) ? "\n" : "\r\n";
  return out;
}

std::string FilterExtension(std::string_view patterns) {
  std::string_view first = patterns.substr(0, patterns.find(';'));
  while (!first.empty() && first.front() == ' ') first.remove_prefix(1);
  while (!first.empty() && first.back() == ' ') first.remove_suffix(1);
  if (!first.starts_with("*.") || first.size() < 3) return {};
  const std::string_view extension = first.substr(1);
  // "*.*" and "*.m?n" name no one extension to add.
  if (extension.find_first_of("*?[") != std::string_view::npos) return {};
  return std::string(extension);
}

std::string WithFilterExtension(std::string_view path, std::string_view patterns) {
  const std::string extension = FilterExtension(patterns);
  const std::size_t slash = path.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  // A point after the first character marks an extension; ".profile" is a name.
  if (extension.empty() || name.empty() || name.find('.', 1) != std::string_view::npos) return std::string(path);
  return std::string(path) + extension;
}

}  // namespace quillon
