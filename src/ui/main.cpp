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
  // The shell has already split the line; joining it again gives the one
  // command-line text the start-up rule expects.
  editor.window().load(QApplication::arguments().mid(1).join(QLatin1Char(' ')));
  editor.window().show();
  return QApplication::exec();
}
