#pragma once
// The Toolpath dock window: its toggle in the Display menu, its state kept
// in the settings, shown at the window's first show when they say so.
class Commands;
class DocumentHost;
class QMainWindow;
class ToolpathDock;

namespace quillon {
struct Workspace;
}

void InstallToolpathCommands(Commands& commands, DocumentHost& documents, QMainWindow& window,
                             quillon::Workspace& workspace);

// The window's Toolpath dock (tests).
ToolpathDock* ToolpathDockOf(QMainWindow& window);
