#pragma once
// The program check in the editor: every document checked as it opens and
// after typing stops, its errors and warnings marked in the gutter, and the
// Problems dock window with its toggle in the Display menu.
class Commands;
class DocumentHost;
class ProblemsDock;
class QMainWindow;

namespace quillon {
struct MachineParameters;
}

// Runs after InstallProgramCommands (a document's check reads its program
// index). machine is read at every check, so parameter changes count.
void InstallCheckCommands(Commands& commands, DocumentHost& documents, QMainWindow& window,
                          const quillon::MachineParameters& machine);

// The window's Problems dock (tests).
ProblemsDock* CheckProblemsDock(QMainWindow& window);
