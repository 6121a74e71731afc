#pragma once
// The program model in the editor: every document highlighted and indexed,
// Go to line in the Search menu, and the Outline dock window (its toggle in
// the Display menu, its state kept in the settings).
class Commands;
class DocumentHost;
class QMainWindow;
class OutlineDock;

namespace quillon {
struct AppSettings;
}

// The dock is shown at the window's first show when settings say so (the
// settings are read when the window loads, after this runs).
void InstallProgramCommands(Commands& commands, DocumentHost& documents, QMainWindow& window,
                            quillon::AppSettings& settings);

// The window's Outline dock (tests).
OutlineDock* ProgramOutlineDock(QMainWindow& window);
