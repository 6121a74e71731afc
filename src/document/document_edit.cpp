#include "document/document_edit.h"

#include <algorithm>

namespace quillon {

DocumentEdit InsertAtSelection(std::string text) {
  const std::size_t caret = text.size();
  return InsertAtSelection(std::move(text), caret, {});
}

DocumentEdit InsertAtSelection(std::string text, std::size_t caretInText, std::string appendAtEnd) {
  DocumentEdit edit;
  edit.atSelection = true;
  edit.caret = std::min(caretInText, text.size());
  edit.text = std::move(text);
  edit.appendAtEnd = std::move(appendAtEnd);
  return edit;
}

DocumentEdit ReplaceSpan(std::size_t start, std::size_t length, std::string text, std::size_t caret) {
  DocumentEdit edit;
  edit.start = start;
  edit.length = length;
  edit.text = std::move(text);
  edit.caret = caret;
  return edit;
}

DocumentEdit ChangedSpan(std::string_view before, std::string_view after, std::size_t caret) {
  const std::size_t limit = std::min(before.size(), after.size());
  std::size_t head = 0;
  while (head < limit && before[head] == after[head]) ++head;
  std::size_t tail = 0;
  while (tail < limit - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
  return ReplaceSpan(head, before.size() - head - tail, std::string(after.substr(head, after.size() - head - tail)),
                     caret);
}

DocumentEdit PlaceEdit(const DocumentEdit& edit, std::size_t textSize, Match selection) {
  DocumentEdit placed = edit;
  selection.start = std::min(selection.start, textSize);
  selection.length = std::min(selection.length, textSize - selection.start);
  if (edit.atSelection) {
    placed.atSelection = false;
    placed.start = selection.start;
    placed.length = selection.length;
    placed.caret = selection.start + edit.caret;
    if (edit.select) placed.select = Match{selection.start + edit.select->start, edit.select->length};
  }
  placed.start = std::min(placed.start, textSize);
  placed.length = std::min(placed.length, textSize - placed.start);
  return placed;
}

AppliedText ApplyDocumentEdit(std::string_view text, Match selection, const DocumentEdit& edit) {
  const DocumentEdit placed = PlaceEdit(edit, text.size(), selection);
  AppliedText applied;
  if (placed.changesText) {
    applied.text.reserve(text.size() + placed.text.size() + placed.appendAtEnd.size());
    applied.text.append(text.substr(0, placed.start));
    applied.text.append(placed.text);
    applied.text.append(text.substr(placed.start + placed.length));
    applied.text.append(placed.appendAtEnd);
    applied.caret = std::min(placed.caret, applied.text.size());
    applied.selection = Match{applied.caret, 0};
  } else {
    applied.text = std::string(text);
    applied.caret = selection.start;
    applied.selection = selection;
  }
  if (placed.select) {
    applied.selection = *placed.select;
    applied.caret = placed.select->start + placed.select->length;
  }
  return applied;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out.push_back(static_cast<char>(b));
    } else {
      out.push_back(static_cast<char>(0xC0 | (b >> 6)));
      out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  return out;
}

}  // namespace quillon
