// The editor's command line: --help and --version answer, every other line
// reaches the start-up rule exactly as before.
#include <QtTest>

#include "TestRows.h"
#include "app/command_line.h"
#include "ui/shell/StartOptions.h"

class TestStartOptions : public QObject {
  Q_OBJECT

 private slots:
  // Guards against the parser eating or reordering file arguments (a path
  // with blanks must still open whole) and against --help opening a file.
  void startLine_data() { AddCases("start_line.txt"); }
  void startLine() {
    const Case c = CurrentCase();
    const QStringList arguments = c["arguments"].split(';');
    static const QMap<QString, StartAction> kActions{
        {"Open", StartAction::Open}, {"Help", StartAction::Help}, {"Version", StartAction::Version}};
    const StartAction action = kActions.value(c["action"]);
    const QString path = c["path"];
    QCOMPARE(ReadStartAction(arguments), action);
    if (action == StartAction::Open) QCOMPARE(StartFiles(arguments).join(QLatin1Char('|')), path);
  }

  // Guards against a help text that omits the options it answers to.
  void helpNamesOptions() {
    const QString help = StartHelpText();
    for (const char* word : {"--help", "--version", "file", "*.min"})
      QVERIFY2(help.contains(QLatin1String(word)), word);
    QVERIFY(StartVersionText().startsWith(QStringLiteral("quillon ")));
  }
};

QTEST_MAIN(TestStartOptions)
#include "test_start_options.moc"
