#include "ui/shell/Editor.h"

#include "process/workspace.h"
#include "ui/check/CheckCommands.h"
#include "ui/documents/DiskWatch.h"
#include "ui/documents/DocumentHost.h"
#include "ui/documents/DocumentRecovery.h"
#include "ui/documents/EditingCommands.h"
#include "ui/geometry/CalculatorCommands.h"
#include "ui/help/HelpCommands.h"
#include "ui/process/ProcessCommands.h"
#include "ui/program/ProgramCommands.h"
#include "ui/shell/frmMain.h"
#include "ui/toolpath/ToolpathCommands.h"
#include "ui/transform/TransformCommands.h"

Editor::Editor(quillon::SettingsStore& store, Interaction& interaction, quillon::SettingPlaces places)
    : m_workspace(std::make_unique<quillon::Workspace>(store, std::move(places))),
      m_window(std::make_unique<frmMain>(*m_workspace, interaction)) {
  Commands& commands = m_window->commands();
  DocumentHost& documents = m_window->documentHost();
  const QString appFolder = QString::fromStdString(m_workspace->places.appFolder);
  InstallEditingCommands(commands, documents, m_workspace->settings, appFolder);
  InstallProcessCommands(commands, documents, *m_workspace);
  InstallTransformCommands(commands, documents, m_workspace->settings);
  InstallCalculatorCommands(commands, documents);
  InstallHelpCommands(commands, documents, appFolder);
  InstallProgramCommands(commands, documents, *m_window, m_workspace->settings);
  InstallCheckCommands(commands, documents, *m_window, m_workspace->machine);
  InstallToolpathCommands(commands, documents, *m_window, *m_workspace);
  new DiskWatch(documents);
}

void Editor::startRecovery(const QString& folder) {
  if (!m_workspace->settings.RecoveryEnabled) return;
  frmMain* window = m_window.get();
  auto* recovery =
      new DocumentRecovery(window->documentHost(), m_workspace->settings, folder,
                           [window](const QString& path, const std::string& text, quillon::LineEndStyle style) {
                             return window->OpenDocumentText(path, text, style);
                           });
  recovery->offerLeftovers();
}

Editor::~Editor() = default;
