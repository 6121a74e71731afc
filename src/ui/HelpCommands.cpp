// Help menu: the help pages in one viewer window, and the About box.
#include <QPointer>

#include "HelpWindow.h"
#include "Interaction.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "help/help_topics.h"

void InstallHelpCommands(frmMain& main) {
  auto viewer = std::make_shared<QPointer<HelpWindow>>();
  for (const quillon::HelpTopic& topic : quillon::HelpTopics()) {
    const QString base = QString::fromUtf8(topic.baseName.data(), static_cast<qsizetype>(topic.baseName.size()));
    main.setCommand(QString::fromUtf8(topic.control.data(), static_cast<qsizetype>(topic.control.size())),
                    [&main, viewer, base](int) {
                      const QString path = QString::fromStdString(
                          quillon::HelpPagePath(main.appFolder().toStdString(), base.toStdString()));
                      if (!*viewer) *viewer = new HelpWindow(&main);
                      if (!(*viewer)->showPage(path))
                        main.interaction().message(&main, QStringLiteral("Quillon"),
                                                   QStringLiteral("The help page cannot be shown:\n%1").arg(path),
                                                   MessageIcon::Warning);
                    });
  }
  main.setCommand("mnuHelpAbout", [&main](int) {
    frmAbout about(main.interaction(), &main);
    about.exec();
  });
}
