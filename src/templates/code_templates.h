#pragma once
// The fixed skeletons of the G-code and M-code menus. Each menu leaf inserts
// one constant text at the caret; nothing here depends on the document, the
// machine or a setting, so the same item always inserts the same text.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "document/document_edit.h"

namespace quillon {

struct CodeTemplate {
  std::string_view control;  // menu control name
  int index;                 // index inside a control array; 0 for a single item
  std::string_view text;     // inserted text, without line end
  bool lineEnd;              // a "\n" follows the text
};

std::span<const CodeTemplate> CodeTemplateTable();

// What an item inserts at the selection ("\n" appended when its row says so);
// nullopt for a control or array index that has no template (the item then
// inserts nothing).
std::optional<DocumentEdit> CodeTemplateEdit(std::string_view control, int index = 0);

}  // namespace quillon
