// The "Point calculation" menu, the spindle speed dialog and the desktop
// calculator. Each calculator is modeless and exists once; opening it again
// brings it to the front working on the document that is active now.
#include "ui/geometry/CalculatorCommands.h"

#include <QDialog>
#include <QStandardPaths>
#include <QString>

#include "ui/documents/DocumentHost.h"
#include "ui/geometry/CalculatorDialog.h"
#include "ui/geometry/RPM.h"
#include "ui/geometry/frmCirclePoint.h"
#include "ui/geometry/frmLineAngle.h"
#include "ui/geometry/frmLineR.h"
#include "ui/geometry/frmLineRLine.h"
#include "ui/geometry/frmLineRPoint.h"
#include "ui/platform/Interaction.h"
#include "ui/shell/Commands.h"

namespace {

// The calculators of the usual desktops, in the order they are looked for.
constexpr const char* kDesktopCalculators[] = {
    "gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc",
};

template <class Form>
void ShowCalculator(DocumentHost& documents, const QString& formName) {
  auto* form = documents.window()->findChild<Form*>(formName, Qt::FindDirectChildrenOnly);
  if (!form) form = new Form(documents);
  form->setTargetDocument(documents.ActiveDocument());
  form->show();
  form->raise();
  form->activateWindow();
}

void mnuToolsCalculator_Click(DocumentHost& documents) {
  QString program;
  for (const char* name : kDesktopCalculators) {
    program = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!program.isEmpty()) break;
  }
  const QString title = QStringLiteral("Calculator");
  if (program.isEmpty()) {
    QStringList names;
    for (const char* name : kDesktopCalculators) names << QString::fromLatin1(name);
    documents.interaction().message(
        documents.window(), title,
        QStringLiteral("No calculator program was found. Please install one of these: %1.").arg(names.join(", ")),
        MessageIcon::Exclamation);
    return;
  }
  QString error;
  if (!documents.interaction().launch(program, {}, &error))
    documents.interaction().message(documents.window(), title,
                                    QStringLiteral("The calculator %1 could not be started. %2").arg(program, error),
                                    MessageIcon::Exclamation);
}

}  // namespace

void InstallCalculatorCommands(Commands& commands, DocumentHost& documents) {
  commands.setCommand(QStringLiteral("LineAngle"),
                      [&documents](int) { ShowCalculator<frmLineAngle>(documents, QStringLiteral("frmLineAngle")); });
  commands.setCommand(QStringLiteral("LineR"),
                      [&documents](int) { ShowCalculator<frmLineR>(documents, QStringLiteral("frmLineR")); });
  commands.setCommand(QStringLiteral("LineCircleLine"),
                      [&documents](int) { ShowCalculator<frmLineRLine>(documents, QStringLiteral("frmLineRLine")); });
  commands.setCommand(QStringLiteral("PointLineCircle"),
                      [&documents](int) { ShowCalculator<frmLineRPoint>(documents, QStringLiteral("frmLineRPoint")); });
  commands.setCommand(QStringLiteral("CirclrLine"), [&documents](int) {
    ShowCalculator<frmCirclePoint>(documents, QStringLiteral("frmCirclePoint"));
  });
  commands.setCommand(QStringLiteral("mnuToolsrpm"),
                      [&documents](int) { ShowCalculator<RPM>(documents, QStringLiteral("RPM")); });
  commands.setCommand(QStringLiteral("mnuToolsCalculator"), [&documents](int) { mnuToolsCalculator_Click(documents); });
}
