#pragma once
// The parts of a command's edit as a reader of a generated block thinks of them: what goes before the caret, after it,
// and at the document's end.
#include <string>

#include "document/document_edit.h"

namespace quillon::testing_support {

inline std::string AtCaret(const DocumentEdit& e) { return e.text.substr(0, e.caret); }
inline std::string AfterCaret(const DocumentEdit& e) { return e.text.substr(e.caret); }
// "atCaret|afterCaret|appendAtEnd"
inline std::string Parts(const DocumentEdit& e) { return AtCaret(e) + "|" + AfterCaret(e) + "|" + e.appendAtEnd; }
// The whole text the edit writes.
inline std::string Written(const DocumentEdit& e) { return e.text + e.appendAtEnd; }

}  // namespace quillon::testing_support
