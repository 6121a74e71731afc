#pragma once
// Recovery files: the text of a document with unsaved changes, kept beside a
// short header so a later run can offer it back after a crash. A run names
// its files after itself, so the files of a run that still holds its lock are
// told apart from those a dead run left behind.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "document/text_file.h"

namespace quillon {

struct RecoveryRecord {
  std::string path;     // the document's file as the user named it; empty when untitled
  std::string caption;  // the window's caption ("Untitled3" or the path)
  LineEndStyle style = LineEndStyle::CrLf;
  std::int64_t changedMs = 0;  // last change, milliseconds since 1970 (UTC)
  std::string text;            // the document's bytes, "\n" line ends
};

// The file's bytes: a header of "key=value" lines (values escaped so a path
// holding a line end stays on its line), an empty line, then the text.
std::string WriteRecoveryFile(const RecoveryRecord& record);

// nullopt when bytes are not a recovery file, or its text is shorter or
// longer than its header says (a torn or foreign file is never offered as a
// document). Header keys this version does not know are skipped.
std::optional<RecoveryRecord> ReadRecoveryFile(std::string_view bytes);

// "<run>-<serial>.qrec" for a document of a run, "<run>.lock" for the run's
// lock. A run name is letters, digits and '_' only, so the first '-' ends it.
std::string RecoveryFileName(std::string_view run, int serial);
std::string RecoveryLockName(std::string_view run);
// The run that wrote a recovery file, or nullopt for any other name.
std::optional<std::string> RecoveryFileRun(std::string_view fileName);

}  // namespace quillon
