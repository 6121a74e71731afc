// Help menu: the help pages in one viewer window, and the About box.
#include "ui/help/HelpCommands.h"

#include <QPointer>
#include <memory>

#include "help/help_topics.h"
#include "ui/documents/DocumentHost.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/frmAbout.h"
#include "ui/platform/Interaction.h"
#include "ui/shell/Commands.h"

void InstallHelpCommands(Commands& commands, DocumentHost& documents, const QString& appFolder) {
  auto viewer = std::make_shared<QPointer<HelpWindow>>();
  for (const quillon::HelpTopic& topic : quillon::HelpTopics()) {
    const QString base = QString::fromUtf8(topic.baseName.data(), static_cast<qsizetype>(topic.baseName.size()));
    commands.setCommand(QString::fromUtf8(topic.control.data(), static_cast<qsizetype>(topic.control.size())),
                        [&documents, viewer, base, appFolder](int) {
                          const QString path = QString::fromStdString(
                              quillon::HelpPagePath(appFolder.toStdString(), base.toStdString()));
                          if (!*viewer) *viewer = new HelpWindow(documents.window());
                          if (!(*viewer)->showPage(path))
                            documents.interaction().message(
                                documents.window(), QStringLiteral("Quillon"),
                                QStringLiteral("The help page cannot be shown:\n%1").arg(path), MessageIcon::Warning);
                        });
  }
  commands.setCommand(QStringLiteral("mnuHelpAbout"), [&documents](int) {
    frmAbout about(documents.interaction(), documents.window());
    about.exec();
  });
}
