#include "ui/shell/StartOptions.h"

#include <QCommandLineParser>

#include "version.h"

namespace {

struct Parser {
  QCommandLineParser parser;
  QCommandLineOption help = parser.addHelpOption();
  QCommandLineOption version = parser.addVersionOption();

  Parser() {
    parser.setApplicationDescription(QStringLiteral("Quillon, the editor for the NC programs of Tessaly lathes."));
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The program to open (*.min, *.ssb, *.lib); a path with blanks "
                                                "may be given unquoted or in double quotes."),
                                 QStringLiteral("[file]"));
  }
};

}  // namespace

StartAction ReadStartAction(const QStringList& arguments) {
  Parser p;
  // An unknown option is no error here: the line then opens as a file name.
  p.parser.parse(arguments);
  if (p.parser.isSet(p.help)) return StartAction::Help;
  if (p.parser.isSet(p.version)) return StartAction::Version;
  return StartAction::Open;
}

QStringList StartFiles(const QStringList& arguments) { return arguments.mid(1); }

QString StartHelpText() {
  Parser p;
  return p.parser.helpText();
}

QString StartVersionText() { return QStringLiteral("quillon %1\n").arg(QString::fromLatin1(quillon::kVersionText)); }
