// Quillon: editor for the NC programs of Tessaly lathes.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <cstdio>

#include "ui/platform/Interaction.h"
#include "ui/platform/QtSettingsStore.h"
#include "ui/shell/AppIcon.h"
#include "ui/shell/Editor.h"
#include "ui/shell/StartOptions.h"
#include "ui/shell/frmMain.h"

namespace {

// --help and --version answer without a display, so they run on a plain
// core application that never opens a window.
int PrintStartText(int argc, char* argv[], StartAction action) {
  QCoreApplication core(argc, argv);
  const QString text = action == StartAction::Help ? StartHelpText() : StartVersionText();
  std::fputs(text.toLocal8Bit().constData(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList rawArguments;
  for (int i = 0; i < argc; ++i) rawArguments << QString::fromLocal8Bit(argv[i]);
  if (const StartAction action = ReadStartAction(rawArguments); action != StartAction::Open)
    return PrintStartText(argc, argv, action);

  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Quillon"));
  QApplication::setApplicationName(QStringLiteral("Quillon"));
  QApplication::setWindowIcon(QuillonIcon());

  quillon::SettingPlaces places;
  places.appFolder = QDir::toNativeSeparators(QApplication::applicationDirPath()).toStdString();
  places.homeFolder = QDir::homePath().toStdString();

  QtSettingsStore store;
  QtInteraction interaction;
  Editor editor(store, interaction, places);
  // Each argument names one file (the shell has split the line already).
  editor.window().load(StartFiles(QApplication::arguments()));
  editor.window().show();
  // The copies follow the settings when those are moved (tests, portable use).
  const QString configDir = qEnvironmentVariable("QUILLON_CONFIG_DIR");
  editor.startRecovery(
      (configDir.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) : configDir) +
      QStringLiteral("/recovery"));
  return QApplication::exec();
}
