#pragma once
// The editor as one object: the workspace, the main window and the feature
// modules bound to its commands. main() builds one; a widget test builds one
// on a memory settings store and a scripted Interaction.
#include <QString>
#include <memory>

#include "app/settings.h"

class Interaction;
class frmMain;

namespace quillon {
struct Workspace;
}

class Editor {
 public:
  // places.appFolder is the folder of the program (data/ lives there).
  Editor(quillon::SettingsStore& store, Interaction& interaction, quillon::SettingPlaces places);
  ~Editor();
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  // Copies unsaved documents to recovery files in folder (when the settings
  // allow it) and offers what a run that died left there. After load().
  void startRecovery(const QString& folder);

  frmMain& window() const { return *m_window; }
  quillon::Workspace& workspace() const { return *m_workspace; }

 private:
  std::unique_ptr<quillon::Workspace> m_workspace;
  std::unique_ptr<frmMain> m_window;
};
