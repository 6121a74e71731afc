#pragma once
// The Process menu: the machine parameters, "Material Input" and every row of
// the core's process-command table, bound to one run flow.
class Commands;
class DocumentHost;

namespace quillon {
struct Workspace;
}

void InstallProcessCommands(Commands& commands, DocumentHost& documents, quillon::Workspace& workspace);
