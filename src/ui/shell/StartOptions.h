#pragma once
// What the editor's command line asks for before any window exists: its
// help, its version, or (everything else) the program to open.
#include <QString>
#include <QStringList>

enum class StartAction { Open, Help, Version };

// arguments as main() got them, the program name first. Only a --help or
// --version (or their short forms) changes what happens; every other line,
// unknown options included, opens as it always has.
StartAction ReadStartAction(const QStringList& arguments);

// The files to open: every argument after the program name, each one path.
QStringList StartFiles(const QStringList& arguments);

// The texts printed for Help and Version.
QString StartHelpText();
QString StartVersionText();
