// The "Point calculation" menu, the spindle speed dialog and the desktop
// calculator. Each calculator is modeless and exists once; opening it again
// brings it to the front working on the document that is active now.
#include <QDialog>
#include <QStandardPaths>
#include <QString>

#include "CalculatorDialog.h"
#include "Interaction.h"
#include "RPM.h"
#include "frmCirclePoint.h"
#include "frmLineAngle.h"
#include "frmLineR.h"
#include "frmLineRLine.h"
#include "frmLineRPoint.h"
#include "frmMain.h"

namespace {

// The calculators of the usual desktops, in the order they are looked for.
constexpr const char* kDesktopCalculators[] = {
    "gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc",
};

template <class Form>
void ShowCalculator(frmMain& main, const QString& formName) {
  auto* form = main.findChild<Form*>(formName, Qt::FindDirectChildrenOnly);
  if (!form) form = new Form(main);
  form->setTargetDocument(main.ActiveDocument());
  form->show();
  form->raise();
  form->activateWindow();
}

void mnuToolsCalculator_Click(frmMain& main) {
  QString program;
  for (const char* name : kDesktopCalculators) {
    program = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!program.isEmpty()) break;
  }
  const QString title = QStringLiteral("Calculator");
  if (program.isEmpty()) {
    QStringList names;
    for (const char* name : kDesktopCalculators) names << QString::fromLatin1(name);
    main.interaction().message(
        &main, title,
        QStringLiteral("No calculator program was found. Please install one of these: %1.").arg(names.join(", ")),
        MessageIcon::Exclamation);
    return;
  }
  QString error;
  if (!main.interaction().launch(program, {}, &error))
    main.interaction().message(&main, title, QStringLiteral("The calculator %1 could not be started. %2")
                                                 .arg(program, error),
                               MessageIcon::Exclamation);
}

}  // namespace

void InstallCalculatorCommands(frmMain& main) {
  main.setCommand(QStringLiteral("LineAngle"),
                  [&main](int) { ShowCalculator<frmLineAngle>(main, QStringLiteral("frmLineAngle")); });
  main.setCommand(QStringLiteral("LineR"),
                  [&main](int) { ShowCalculator<frmLineR>(main, QStringLiteral("frmLineR")); });
  main.setCommand(QStringLiteral("LineCircleLine"),
                  [&main](int) { ShowCalculator<frmLineRLine>(main, QStringLiteral("frmLineRLine")); });
  main.setCommand(QStringLiteral("PointLineCircle"),
                  [&main](int) { ShowCalculator<frmLineRPoint>(main, QStringLiteral("frmLineRPoint")); });
  main.setCommand(QStringLiteral("CirclrLine"),
                  [&main](int) { ShowCalculator<frmCirclePoint>(main, QStringLiteral("frmCirclePoint")); });
  main.setCommand(QStringLiteral("mnuToolsrpm"), [&main](int) { ShowCalculator<RPM>(main, QStringLiteral("RPM")); });
  main.setCommand(QStringLiteral("mnuToolsCalculator"), [&main](int) { mnuToolsCalculator_Click(main); });
}
