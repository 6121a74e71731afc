// The editor's command line: --help and --version answer, every other line
// reaches the start-up rule exactly as before.
#include <QtTest>

#include "app/command_line.h"
#include "ui/shell/StartOptions.h"

Q_DECLARE_METATYPE(StartAction)

class TestStartOptions : public QObject {
  Q_OBJECT

 private slots:
  // clang-format off
  void startLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<StartAction>("action");
    QTest::addColumn<QString>("path");  // what the start-up rule opens
    QTest::newRow("no file")        << QStringList{"quillon"}                          << StartAction::Open    << "";
    QTest::newRow("plain file")     << QStringList{"quillon", "/tmp/a.min"}            << StartAction::Open    << "/tmp/a.min";
    QTest::newRow("blank in path")  << QStringList{"quillon", "/tmp/my prog.min"}      << StartAction::Open    << "/tmp/my prog.min";
    QTest::newRow("split by shell") << QStringList{"quillon", "/tmp/my", "prog.min"}   << StartAction::Open    << "/tmp/my|prog.min";
    QTest::newRow("quoted")         << QStringList{"quillon", "\"/tmp/a b.min\"", "/x"} << StartAction::Open   << "\"/tmp/a b.min\"|/x";
    QTest::newRow("unknown option") << QStringList{"quillon", "-x", "a.min"}           << StartAction::Open    << "-x|a.min";
    QTest::newRow("after dashes")   << QStringList{"quillon", "--", "--help"}          << StartAction::Open    << "--|--help";
    QTest::newRow("help")           << QStringList{"quillon", "--help"}                << StartAction::Help    << "";
    QTest::newRow("short help")     << QStringList{"quillon", "-h"}                    << StartAction::Help    << "";
    QTest::newRow("help and file")  << QStringList{"quillon", "a.min", "--help"}       << StartAction::Help    << "";
    QTest::newRow("version")        << QStringList{"quillon", "--version"}             << StartAction::Version << "";
    QTest::newRow("short version")  << QStringList{"quillon", "-v"}                    << StartAction::Version << "";
  }
  // clang-format on
  // Guards against the parser eating or reordering file arguments (a path
  // with blanks must still open whole) and against --help opening a file.
  void startLine() {
    QFETCH(QStringList, arguments);
    QFETCH(StartAction, action);
    QFETCH(QString, path);
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
