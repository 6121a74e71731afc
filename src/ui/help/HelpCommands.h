#pragma once
// The Help menu: the help pages in one viewer window, and the About box.
class Commands;
class DocumentHost;
class QString;

void InstallHelpCommands(Commands& commands, DocumentHost& documents, const QString& appFolder);
