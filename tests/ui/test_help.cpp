// Help menu and About box through the real main window: pages open in the viewer (also from a folder with blanks), a
// missing page is reported by name, and the system-information button falls back to its message.
#include <QTextBrowser>

#include "EditorPtr.h"
#include "help/help_topics.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/frmAbout.h"

namespace {
// An editor over a copy of the shipped help pages, under a folder whose path holds a blank.
struct HelpSession : EditorSession {
  explicit HelpSession(bool withPages) : EditorSession(false) {
    appFolder = tmp.path() + "/my quillon";
    QDir().mkpath(appFolder + "/help");
    const QString shipped = qEnvironmentVariable("QUILLON_APP_DIR") + "/help";
    for (const QString& name : withPages ? QDir(shipped).entryList({"*.html"}) : QStringList())
      QFile::copy(shipped + "/" + name, appFolder + "/help/" + name);
    start();
  }
  QTextBrowser* open(const QString& control) {
    run(control);
    auto* viewer = Child<HelpWindow>(main.get(), "HelpWindow");
    return viewer ? viewer->browser() : nullptr;
  }
};
}  // namespace

class TestHelp : public QObject {
  Q_OBJECT

 private slots:
  // Guards against: an item opening another item's page, a folder with a blank breaking the page path, links between
  // the pages leading nowhere, and a missing page shown as an empty viewer instead of being reported by its path.
  void helpItemOpensItsPage_data() { AddCases("help_pages.txt"); }
  void helpItemOpensItsPage() {
    const QString control = CurrentCase()["control"], title = CurrentCase()["title"];
    const QString page = "/my quillon/help/" + CurrentCase()["page"];
    HelpSession s(CurrentCase().yes("pages"));
    QTextBrowser* browser = s.open(control);
    QCOMPARE(s.ui.messages.size(), size_t(title.isEmpty() ? 1 : 0));
    if (title.isEmpty()) QVERIFY(s.ui.messages[0].text.contains(page));
    if (title.isEmpty()) return;
    QVERIFY(browser);
    QCOMPARE(browser->documentTitle(), title);
    QVERIFY(browser->source().toLocalFile().endsWith(page));
    if (control != "QuillonHelp") return;
    // Links from the editor's page work, and Back returns.
    browser->setSource(QUrl("G-code.html"));
    QCOMPARE(browser->documentTitle(), QString("G codes"));
    browser->backward();
    QCOMPARE(browser->documentTitle(), title);
  }

  // Guards against: the system-information button doing nothing without a tool, a path with a blank split by a shell,
  // and a failed launch left unreported.
  void systemInformation_data() { AddCases("help_system_information.txt"); }
  void systemInformation() {
    const Case c = CurrentCase();
    const QString found = c["found"];
    const bool launches = c.yes("launches");
    const int launched = c["launched"] == "all" ? int(quillon::SystemInfoTools().size()) : c.number("launched");
    const int messages = c.number("messages");
    ScriptedInteraction ui;
    ui.launchSucceeds = launches;
    frmAbout about(ui, nullptr, [found](const QString& name) {
      if (found == "*") return name == "gnome-system-monitor" ? QString("/usr/my bin/gnome-system-monitor") : QString();
      return found.isEmpty() ? QString() : found + name;
    });
    about.cmdSysInfo->click();
    QCOMPARE(int(ui.launches.size()), launched);
    if (found == "*") QCOMPARE(ui.launches[0].program, QString("/usr/my bin/gnome-system-monitor"));
    QCOMPARE(int(ui.messages.size()), messages);
    if (messages) QCOMPARE(ui.messages[0].text, QString::fromUtf8("現時点ではｼｽﾃﾑ情報を使用できません"));
  }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
