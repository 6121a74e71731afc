#pragma once
// The editor under test, held like a pointer to its main window: the
// workspace, the window and every feature module bound, as main() builds it.
#include <memory>

#include "process/workspace.h"
#include "ui/shell/Editor.h"
#include "ui/shell/frmMain.h"

class EditorPtr {
 public:
  EditorPtr() = default;
  explicit EditorPtr(std::unique_ptr<Editor> editor) : m_editor(std::move(editor)) {}
  frmMain* operator->() const { return &m_editor->window(); }
  frmMain& operator*() const { return m_editor->window(); }
  frmMain* get() const { return m_editor ? &m_editor->window() : nullptr; }
  explicit operator bool() const { return m_editor != nullptr; }
  void reset() { m_editor.reset(); }
  quillon::Workspace& workspace() const { return m_editor->workspace(); }

 private:
  std::unique_ptr<Editor> m_editor;
};

inline EditorPtr MakeEditor(quillon::SettingsStore& store, Interaction& ui, quillon::SettingPlaces places) {
  return EditorPtr(std::make_unique<Editor>(store, ui, std::move(places)));
}
