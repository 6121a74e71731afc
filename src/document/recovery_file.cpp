#include "document/recovery_file.h"

#include <charconv>
#include <cstddef>

namespace quillon {

namespace {
constexpr std::string_view kMagic = "Quillon recovery 1\n";
constexpr std::string_view kExtension = ".qrec";

std::string Escaped(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    if (c == '\\')
      out += "\\\\";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else
      out += c;
  }
  return out;
}

std::optional<std::string> Unescaped(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\') {
      out += value[i];
      continue;
    }
    if (++i == value.size()) return std::nullopt;
    switch (value[i]) {
      case '\\':
        out += '\\';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      default:
        return std::nullopt;
    }
  }
  return out;
}

// Plain decimal digits only: a sign, blanks or a value past 64 bits is no
// number this file writes.
template <class T>
std::optional<T> Whole(std::string_view text) {
  T value{};
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool IsRunCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
}  // namespace

std::string WriteRecoveryFile(const RecoveryRecord& record) {
  std::string out(kMagic);
  out += "path=" + Escaped(record.path) + '\n';
  out += "caption=" + Escaped(record.caption) + '\n';
  out += std::string("line-ends=") + (record.style == LineEndStyle::Lf ? "LF" : "CRLF") + '\n';
  out += "changed=" + std::to_string(record.changedMs) + '\n';
  out += "size=" + std::to_string(record.text.size()) + '\n';
  out += '\n';
  out += record.text;
  return out;
}

std::optional<RecoveryRecord> ReadRecoveryFile(std::string_view bytes) {
  if (bytes.substr(0, kMagic.size()) != kMagic) return std::nullopt;
  bytes.remove_prefix(kMagic.size());
  RecoveryRecord record;
  bool hasPath = false, hasCaption = false, hasStyle = false, hasChanged = false;
  std::optional<std::size_t> size;
  for (;;) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end + 1);
    if (line.empty()) break;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = line.substr(0, equals), value = line.substr(equals + 1);
    if (key == "path" || key == "caption") {
      std::optional<std::string> text = Unescaped(value);
      if (!text) return std::nullopt;
      (key == "path" ? record.path : record.caption) = *text;
      (key == "path" ? hasPath : hasCaption) = true;
    } else if (key == "line-ends") {
      if (value != "CRLF" && value != "LF") return std::nullopt;
      record.style = value == "LF" ? LineEndStyle::Lf : LineEndStyle::CrLf;
      hasStyle = true;
    } else if (key == "changed") {
      const std::optional<std::int64_t> ms = Whole<std::int64_t>(value);
      if (!ms) return std::nullopt;
      record.changedMs = *ms;
      hasChanged = true;
    } else if (key == "size") {
      size = Whole<std::size_t>(value);
      if (!size) return std::nullopt;
    }
  }
  if (!hasPath || !hasCaption || !hasStyle || !hasChanged || !size || *size != bytes.size()) return std::nullopt;
  record.text = std::string(bytes);
  return record;
}

std::string RecoveryFileName(std::string_view run, int serial) {
  return std::string(run) + '-' + std::to_string(serial) + std::string(kExtension);
}

std::string RecoveryLockName(std::string_view run) { return std::string(run) + ".lock"; }

std::optional<std::string> RecoveryFileRun(std::string_view fileName) {
  if (fileName.size() <= kExtension.size() || fileName.substr(fileName.size() - kExtension.size()) != kExtension)
    return std::nullopt;
  fileName.remove_suffix(kExtension.size());
  const std::size_t dash = fileName.find('-');
  if (dash == 0 || dash == std::string_view::npos || !Whole<unsigned>(fileName.substr(dash + 1))) return std::nullopt;
  const std::string_view run = fileName.substr(0, dash);
  for (char c : run)
    if (!IsRunCharacter(c)) return std::nullopt;
  return std::string(run);
}

}  // namespace quillon
