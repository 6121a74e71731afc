// Quillon: editor for the NC programs of Tessaly lathes.
#include <QApplication>
#include <QDir>
#include <QStringList>

#include "ui/platform/Interaction.h"
#include "ui/platform/QtSettingsStore.h"
#include "ui/shell/AppIcon.h"
#include "ui/shell/Editor.h"
#include "ui/shell/frmMain.h"

int main(int argc, char* argv[]) {
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
  editor.window().load(QApplication::arguments().mid(1));
  editor.window().show();
  return QApplication::exec();
}
