// The calculator dialogs through the real main window offscreen: typing,
// leaving boxes, options, the drawing, insert buttons writing into the
// document the calculator was opened for, the spindle speed dialog and the
// desktop calculator.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "CalculatorDialog.h"
#include "FigureView.h"
#include "RPM.h"
#include "ScriptedInteraction.h"
#include "frmDocument.h"
#include "frmMain.h"

namespace {

struct Session {
  QTemporaryDir tmp;
  quillon::MemorySettingsStore store;
  ScriptedInteraction ui;
  std::unique_ptr<frmMain> main;

  Session() {
    QDir().mkpath(tmp.path() + "/app");
    main = std::make_unique<frmMain>(store, ui,
                                     quillon::SettingPlaces{(tmp.path() + "/app").toStdString(), tmp.path().toStdString()});
    main->load(QString());
  }
  frmDocument* document(const std::string& text, int start, int length = 0) {
    main->action("mnuFileNew")->trigger();
    frmDocument* doc = main->ActiveDocument();
    if (!doc) return nullptr;
    doc->loadText(text);
    doc->setDataChanged(false);
    doc->setSelection(start, length);
    return doc;
  }
  // Opens a calculator from its menu item and makes it the active window.
  template <class T = CalculatorDialog>
  T* open(const QString& control, const QString& form) {
    main->action(control)->trigger();
    T* dialog = main->findChild<T*>(form);
    if (dialog) {
      QApplication::setActiveWindow(dialog);
      if (!QTest::qWaitForWindowActive(dialog)) return nullptr;
    }
    return dialog;
  }
};

template <class T = QWidget>
T* Child(const QWidget* parent, const QString& name) {
  return parent ? parent->findChild<T*>(name) : nullptr;
}

// Types text into an entry box the way a user does: focus, keys.
void Type(QWidget* dialog, const QString& box, const QString& text) {
  auto* edit = Child<QLineEdit>(dialog, box);
  QVERIFY2(edit, qPrintable(box));
  edit->setFocus(Qt::MouseFocusReason);
  edit->selectAll();
  if (text.isEmpty())
    QTest::keyClick(edit, Qt::Key_Delete);
  else
    QTest::keyClicks(edit, text);
}

void Enter(QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }

QString Text(QWidget* dialog, const QString& box) {
  auto* edit = Child<QLineEdit>(dialog, box);
  return edit ? edit->text() : QStringLiteral("<missing>");
}

// Saves what a dialog looks like when QUILLON_SHOT_DIR names a folder.
void Shot(QWidget* dialog, const QString& name) {
  const QString dir = QString::fromLocal8Bit(qgetenv("QUILLON_SHOT_DIR"));
  if (!dir.isEmpty()) dialog->grab().save(dir + "/" + name + ".png");
}

struct FormInfo {
  const char* control;  // menu item
  const char* form;
};

}  // namespace

class CalculatorsTest : public QObject {
  Q_OBJECT

 private slots:
  // Guards against: results not computed when the focus leaves by Enter,
  // the insert text not landing at the caret in place of the selection, and
  // the insert not being one undo step.
  void lineRTypedLeftAndInserted() {
    Session s;
    frmDocument* doc = s.document("N001 G00 X100\nN002 M30\n", 14, 4);  // "N002" selected
    QVERIFY(doc);
    auto* dialog = s.open("LineR", "frmLineR");
    QVERIFY(dialog);
    const char* entries[][2] = {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "0"},
                                {"Text4", "20"}, {"Text5", "-20"}, {"Text6", "5"}};
    for (auto& e : entries) {
      Type(dialog, e[0], e[1]);
      Enter(Child(dialog, e[0]));
    }
    // Enter in the last entry moves the focus to Command1.
    QCOMPARE(QApplication::focusWidget(), Child(dialog, "Command1"));
    QCOMPARE(Text(dialog, "Text7"), QString("20"));
    QCOMPARE(Text(dialog, "Text8"), QString("-25"));
    QCOMPARE(Text(dialog, "Text10"), QString("5"));
    QCOMPARE(Text(dialog, "Text11"), QString("20"));
    QCOMPARE(Text(dialog, "Text12"), QString("-15"));
    QCOMPARE(Text(dialog, "Text14"), QString("-5"));
    Shot(dialog, "frmLineR");

    QTest::mouseClick(Child<QPushButton>(dialog, "Command5"), Qt::LeftButton);
    QCOMPARE(doc->text(), std::string("N001 G00 X100\nN000 G0* X20 Z-15 L5\n M30\n"));
    QCOMPARE(doc->selStart(), 14 + 21);
    QVERIFY(doc->DataChanged());
    QVERIFY(dialog->isVisible());  // the dialog stays open
    doc->txtText->undo();
    QCOMPARE(doc->text(), std::string("N001 G00 X100\nN002 M30\n"));
  }

  // Guards against: the wrong box triggering the line-angle calculation and
  // the dialog staying open after an insert.
  void lineAngleLeaveAndInsertCloses() {
    Session s;
    frmDocument* doc = s.document("N001 G01 \n", 9);
    QVERIFY(doc);
    auto* dialog = s.open("LineAngle", "frmLineAngle");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString("Line-Angle"));
    Type(dialog, "Text1", "0");
    Type(dialog, "Text2", "0");
    Type(dialog, "Text3", "45");
    Type(dialog, "Text4", "20");
    QCOMPARE(Text(dialog, "Text5"), QString());  // nothing until X2 is left
    Child(dialog, "Text5")->setFocus(Qt::TabFocusReason);
    QCOMPARE(Text(dialog, "Text5"), QString("10"));
    Shot(dialog, "frmLineAngle");
    QPointer<QWidget> alive(dialog);
    QTest::mouseClick(Child<QPushButton>(dialog, "Command4"), Qt::LeftButton);
    QCOMPARE(doc->text(), std::string("N001 G01 X20 Z10\n"));
    QTRY_VERIFY(!alive);  // unloaded after inserting
  }

  // Guards against: an Enter order that skips or repeats an entry, or
  // reaches a result box.
  void enterMovesTheFocus_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("frmLineR") << "LineR" << "frmLineR"
                              << QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Command1"};
    QTest::newRow("frmLineRLine") << "LineCircleLine" << "frmLineRLine"
                                  << QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text9", "Command1"};
    QTest::newRow("frmLineRPoint") << "PointLineCircle" << "frmLineRPoint"
                                   << QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text8", "Command1"};
    QTest::newRow("frmCirclePoint") << "CirclrLine" << "frmCirclePoint"
                                    << QStringList{"Text1", "Text2", "Text3", "Text4", "Command1"};
  }
  void enterMovesTheFocus() {
    QFETCH(QString, control);
    QFETCH(QString, form);
    QFETCH(QStringList, order);
    Session s;
    QVERIFY(s.document("", 0));
    auto* dialog = s.open(control, form);
    QVERIFY(dialog);
    Child(dialog, order.first())->setFocus(Qt::MouseFocusReason);
    for (int i = 0; i + 1 < order.size(); ++i) {
      QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
      Enter(QApplication::focusWidget());
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), order.last());
  }

  // Guards against the first insert button acting as the dialog's default:
  // Enter in a box of the line-angle form (which has no Enter order), in a
  // result box or on an option inserted its text (and closed Line-Angle).
  // Only a button that has the focus takes Enter.
  void enterInsertsOnlyFromAFocusedButton_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("inserted");
    // clang-format off
    //                                          menu item          form              focused      inserted ("#n": box n)
    QTest::newRow("frmLineAngle Text5")      << "LineAngle"      << "frmLineAngle"   << "Text5"    << "";
    QTest::newRow("frmLineAngle Text1")      << "LineAngle"      << "frmLineAngle"   << "Text1"    << "";
    QTest::newRow("frmLineR result Text7")   << "LineR"          << "frmLineR"       << "Text7"    << "";
    QTest::newRow("frmLineRLine Option2")    << "LineCircleLine" << "frmLineRLine"   << "Option2"  << "";
    QTest::newRow("frmCirclePoint Option1")  << "CirclrLine"     << "frmCirclePoint" << "Option1"  << "";
    QTest::newRow("frmLineAngle Command3")   << "LineAngle"      << "frmLineAngle"   << "Command3" << "Z#5";
    QTest::newRow("frmLineR Command4")       << "LineR"          << "frmLineR"       << "Command4" << "N000 G01 X#7 Z#8\n";
    // clang-format on
  }
  void enterInsertsOnlyFromAFocusedButton() {
    QFETCH(QString, control);
    QFETCH(QString, form);
    QFETCH(QString, focused);
    QFETCH(QString, inserted);
    Session s;
    frmDocument* doc = s.document("AB", 1);
    QVERIFY(doc);
    auto* dialog = s.open(control, form);
    QVERIFY(dialog);
    // Texts that no calculation accepts, so leaving a box changes nothing.
    for (int n = 1; n <= quillon::kLastBox; ++n)
      if (QLineEdit* box = dialog->box(n)) box->setText(QString("#%1").arg(n));
    QWidget* w = Child(dialog, focused);
    QVERIFY2(w, qPrintable(focused));
    w->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), w);
    QPointer<QWidget> alive(dialog);
    Enter(w);
    QCOMPARE(QString::fromStdString(doc->text()), "A" + inserted + "B");
    if (inserted.isEmpty() || form != "frmLineAngle")
      QVERIFY(alive && alive->isVisible());
    else
      QTRY_VERIFY(!alive);
  }

  // Guards against: an insert button writing the wrong boxes or line end,
  // or the dialog closing when it should stay.
  void everyInsertButton_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("inserted");
    auto row = [](const char* control, const char* form, const char* button, const char* inserted) {
      QTest::newRow(qPrintable(QString("%1 %2").arg(form, button)))
          << QString(control) << QString(form) << QString(button) << QString(inserted);
    };
    // Every box n holds "#n".
    row("LineAngle", "frmLineAngle", "Command1", "X#4");
    row("LineAngle", "frmLineAngle", "Command3", "Z#5");
    row("LineAngle", "frmLineAngle", "Command4", "X#4 Z#5");
    row("LineAngle", "frmLineAngle", "Command5", "A#3");
    row("LineR", "frmLineR", "Command1", " X#1 Z#2\n");
    row("LineR", "frmLineR", "Command3", " X#4 Z#5\n");
    row("LineR", "frmLineR", "Command4", "N000 G01 X#7 Z#8\n");
    row("LineR", "frmLineR", "Command6", " I#9 K#10\n");
    row("LineR", "frmLineR", "Command5", "N000 G0* X#11 Z#12 L#6\n");
    row("LineR", "frmLineR", "Command7", " I#13 K#14\n");
    row("LineCircleLine", "frmLineRLine", "Command1", "N000 G01 X#1 Z#2\n");
    row("LineCircleLine", "frmLineRLine", "Command3", "N000 G01 X#4 Z#5\n");
    row("LineCircleLine", "frmLineRLine", "Command4", "N000 G01 X#7 Z#8\n");
    row("LineCircleLine", "frmLineRLine", "Command5", "N000 G01 X#10 Z#11\n");
    row("LineCircleLine", "frmLineRLine", "Command8", "N000     X#12 Z#13\n");
    row("LineCircleLine", "frmLineRLine", "Command6", " I#16 K#17\n");
    row("LineCircleLine", "frmLineRLine", "Command9", "N000 G0* X#14 Z#15 L#9\n");
    row("LineCircleLine", "frmLineRLine", "Command7", " I#18 K#19\n");
    row("PointLineCircle", "frmLineRPoint", "Command1", " X#1 Z#2\n");
    row("PointLineCircle", "frmLineRPoint", "Command3", " X#4 Z#5\n");
    row("PointLineCircle", "frmLineRPoint", "Command4", " X#6 Z#7\n");
    row("PointLineCircle", "frmLineRPoint", "Command5", " X#9 Z#10\n");
    row("PointLineCircle", "frmLineRPoint", "Command6", " I#11 K#12\n");
    row("CirclrLine", "frmCirclePoint", "Command1", " X#5 Z#6");
    row("CirclrLine", "frmCirclePoint", "Command3", " I#7 K#8");
  }
  void everyInsertButton() {
    QFETCH(QString, control);
    QFETCH(QString, form);
    QFETCH(QString, button);
    QFETCH(QString, inserted);
    Session s;
    frmDocument* doc = s.document("AB", 1);
    QVERIFY(doc);
    s.main->action(control)->trigger();
    auto* dialog = s.main->findChild<CalculatorDialog*>(form);
    QVERIFY(dialog);
    for (int n = 1; n <= quillon::kLastBox; ++n)
      if (QLineEdit* box = dialog->box(n)) box->setText(QString("#%1").arg(n));
    QPointer<QWidget> alive(dialog);
    Child<QPushButton>(dialog, button)->click();
    QCOMPARE(QString::fromStdString(doc->text()), "A" + inserted + "B");
    QCOMPARE(doc->selStart(), 1 + static_cast<int>(inserted.size()));
    if (form == "frmLineAngle")
      QTRY_VERIFY(!alive);
    else
      QVERIFY(alive && alive->isVisible());
  }

  // Guards against: option clicks and the zoom box not recalculating, and
  // the zoom box enabled without a radius.
  void lineRLineOptionsAndZoom() {
    Session s;
    QVERIFY(s.document("", 0));
    auto* dialog = s.open("LineCircleLine", "frmLineRLine");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString("2 Line and Cycle"));
    QVERIFY(Child<QRadioButton>(dialog, "Option1")->isChecked());
    auto* check = Child<QCheckBox>(dialog, "Check1");
    QVERIFY(!check->isEnabled());
    for (auto [box, text] : {std::pair{"Text1", "20"}, {"Text2", "0"}, {"Text3", "0"}, {"Text4", "40"},
                             {"Text5", "-10"}, {"Text6", "90"}, {"Text9", "5"}}) {
      Type(dialog, box, text);
      Enter(Child(dialog, box));
    }
    QCOMPARE(Text(dialog, "Text7"), QString("20"));
    QCOMPARE(Text(dialog, "Text8"), QString("-10"));
    QCOMPARE(Text(dialog, "Text10"), QString("30"));
    QCOMPARE(Text(dialog, "Text11"), QString("-5"));
    QVERIFY(check->isEnabled());
    Shot(dialog, "frmLineRLine");

    QTest::mouseClick(Child<QRadioButton>(dialog, "Option2"), Qt::LeftButton);
    QCOMPARE(Text(dialog, "Text10"), QString("10"));  // mirrored through the corner X20 Z-10
    QCOMPARE(Text(dialog, "Text11"), QString("-15"));

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(check->isChecked());
    QCOMPARE(dialog->drawing()->figure().view.width, 25.0);  // 5 R
    Shot(dialog, "frmLineRLine-zoom");

    Type(dialog, "Text9", "");
    Enter(Child(dialog, "Text9"));
    QVERIFY(!check->isEnabled());
  }

  // Guards against: the drawing not redrawing on a click, the failure text
  // missing, and the mouse position not shown as diameter and Z.
  void drawingClickAndMousePosition() {
    Session s;
    QVERIFY(s.document("", 0));
    auto* dialog = s.open("LineR", "frmLineR");
    QVERIFY(dialog);
    const char* entries[][2] = {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "0"},
                                {"Text4", "40"}, {"Text5", "-20"}, {"Text6", "5"}};
    for (auto& e : entries) dialog->box(QString(e[0]).mid(4).toInt())->setText(e[1]);  // no focus change
    FigureView* picture = dialog->drawing();
    QCOMPARE(picture->objectName(), QString("Picture1"));
    QCOMPARE(picture->cursor().shape(), Qt::CrossCursor);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(picture->figure().text, std::string("Calculation is impossible!!"));
    Shot(dialog, "frmLineR-impossible");

    dialog->box(4)->setText("20");
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(picture->figure().text.empty());
    // The circle centre (X20 Z-20) drawn where the view puts it; the mouse
    // there reads back its diameter and Z within a pixel.
    const QPointF centre = picture->toWidget({-20.0, -10.0});
    QMouseEvent move(QEvent::MouseMove, centre, picture->mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    const QString position = Child<QLabel>(dialog, "Picture3")->text();
    QVERIFY2(position.startsWith("X") && position.contains(" Z"), qPrintable(position));
    const double x = position.mid(1, position.indexOf(" Z") - 1).toDouble();
    const double z = position.mid(position.indexOf(" Z") + 2).toDouble();
    const double unitsPerPixel = picture->figure().view.width / picture->width();
    QVERIFY2(std::abs(x - 20.0) <= 2 * unitsPerPixel + 0.001, qPrintable(position));
    QVERIFY2(std::abs(z + 20.0) <= unitsPerPixel + 0.001, qPrintable(position));
  }

  // Guards against: inserting into whichever document is active instead of
  // the one the calculator was opened for, and a closed target crashing.
  void insertsIntoTheTargetDocument() {
    Session s;
    frmDocument* first = s.document("", 0);
    auto* dialog = s.open("CirclrLine", "frmCirclePoint");
    QVERIFY(dialog);
    frmDocument* second = s.document("", 0);
    QCOMPARE(s.main->ActiveDocument(), second);
    QCOMPARE(dialog->targetDocument(), first);
    for (auto [n, text] : {std::pair{1, "20"}, {2, "0"}, {3, "5"}, {4, "45"}}) dialog->box(n)->setText(text);
    dialog->recalculate("Text4");
    QCOMPARE(Text(dialog, "Text5"), QString("12.928"));
    QCOMPARE(Text(dialog, "Text8"), QString("-3.536"));
    Shot(dialog, "frmCirclePoint");
    Child<QPushButton>(dialog, "Command1")->click();
    QCOMPARE(first->text(), std::string(" X12.928 Z3.535"));
    QCOMPARE(second->text(), std::string());

    // Opening it again brings the same dialog forward for the active document.
    s.main->action("CirclrLine")->trigger();
    QCOMPARE(s.main->findChildren<CalculatorDialog*>("frmCirclePoint").size(), 1);
    QCOMPARE(dialog->targetDocument(), second);

    // The target closed: the active document takes the text; none open: the warning.
    second->setDataChanged(false);
    second->parentWidget()->close();
    QTRY_VERIFY(dialog->targetDocument() == nullptr);
    first->setDataChanged(false);
    Child<QPushButton>(dialog, "Command3")->click();
    QCOMPARE(first->text(), std::string(" X12.928 Z3.535 I3.535 K-3.536"));
    first->setDataChanged(false);
    first->parentWidget()->close();
    QTRY_VERIFY(s.main->ActiveDocument() == nullptr);
    Child<QPushButton>(dialog, "Command3")->click();
    QCOMPARE(s.ui.messages.size(), std::size_t(1));
    QCOMPARE(s.ui.messages[0].text, QString("Not file open. Can not insert."));
  }

  // Guards against: the labels and notes the user reads drifting from the
  // dialogs' texts.
  void labelsAndCaptions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("frmLineAngle") << "LineAngle" << "frmLineAngle" << "Line-Angle"
                                  << QStringList{"Start point  X1", "      Z1", "Angle        A", "End point   X2", " Z2"};
    QTest::newRow("frmLineR") << "LineR" << "frmLineR" << "Line-circle cross point"
                              << QStringList{"Line          X", "Center      X", "Cross 1    X", "Cross 2    X", "A", "R",
                                             "I", "K", "*The redraw of a graphic should click a screen."};
    QTest::newRow("frmLineRLine")
        << "LineCircleLine" << "frmLineRLine" << "2 Line and Cycle"
        << QStringList{"Line 1       X", "Line 2       X", "Line cross X", "Circle     CX", "CZ", "R",
                       "Cross 1    X", "Cross 2    X", "* The redraw of a graphic should click a screen.",
                       "* If line2 start point is on the line1, please shift start point 0.001mm for cross."};
    QTest::newRow("frmLineRPoint") << "PointLineCircle" << "frmLineRPoint" << "1Point+Line then Circle"
                                   << QStringList{"Line          X", "Point        X", "Circle    CX", "CZ", "R",
                                                  "Start         X", "* The redraw of a graphic should click a screen."};
    QTest::newRow("frmCirclePoint") << "CirclrLine" << "frmCirclePoint" << "Circle-Line"
                                    << QStringList{"Circle      X", "Line Angle", "Cross       X", "Z", "R", "A",
                                                   "* The redraw of a graphic should click a screen."};
  }
  void labelsAndCaptions() {
    QFETCH(QString, control);
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QFETCH(QStringList, labels);
    Session s;
    QVERIFY(s.document("", 0));
    s.main->action(control)->trigger();
    auto* dialog = s.main->findChild<QDialog*>(form);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), caption);
    QStringList shown;
    for (QLabel* label : dialog->findChildren<QLabel*>()) shown << label->text();
    for (const QString& label : labels) QVERIFY2(shown.contains(label), qPrintable(label));
    QVERIFY(!dialog->isModal());
  }

  // Guards against: the spindle speed computed with the exact pi or rounded,
  // Enter in Diameter without V inserting, and the dialog not closing.
  void spindleSpeed() {
    Session s;
    frmDocument* doc = s.document("N001 G97 S\n", 10);
    QVERIFY(doc);
    auto* dialog = s.open<RPM>("mnuToolsrpm", "RPM");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString("Speed cal."));
    QCOMPARE(Child<QLineEdit>(dialog, "V")->toolTip(), QString("mm/min"));
    Type(dialog, "Diameter", "20");
    Enter(Child(dialog, "Diameter"));
    QCOMPARE(QApplication::focusWidget(), Child(dialog, "V"));  // V empty: back to V
    QCOMPARE(doc->text(), std::string("N001 G97 S\n"));
    Type(dialog, "V", "100");
    Enter(Child(dialog, "V"));
    QCOMPARE(QApplication::focusWidget(), Child(dialog, "Diameter"));
    QPointer<QWidget> alive(dialog);
    Enter(Child(dialog, "Diameter"));
    // 100 * 1000 / 3.14 / 20 = 1592.36 -> 1590
    QCOMPARE(doc->text(), std::string("N001 G97 S1590\n"));
    QTRY_VERIFY(!alive);

    auto* again = s.open<RPM>("mnuToolsrpm", "RPM");
    QVERIFY(again);
    Type(again, "V", "100");
    Type(again, "Diameter", "0");
    Enter(Child(again, "Diameter"));
    QVERIFY(again->isVisible());  // D = 0: nothing happens
    QCOMPARE(doc->text(), std::string("N001 G97 S1590\n"));
  }

  // Guards against: a missing calculator failing silently, and the search
  // not taking the first one installed.
  void desktopCalculator() {
    Session s;
    QVERIFY(s.document("", 0));
    const QByteArray oldPath = qgetenv("PATH");
    QTemporaryDir bin;
    qputenv("PATH", bin.path().toLocal8Bit());
    s.main->action("mnuToolsCalculator")->trigger();
    QCOMPARE(s.ui.launches.size(), std::size_t(0));
    QCOMPARE(s.ui.messages.size(), std::size_t(1));
    QVERIFY(s.ui.messages[0].text.contains("gnome-calculator"));

    for (const char* name : {"xcalc", "kcalc"}) {
      QFile fake(bin.path() + "/" + name);
      QVERIFY(fake.open(QIODevice::WriteOnly));
      fake.write("#!/bin/sh\n");
      fake.close();
      fake.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    s.main->action("mnuToolsCalculator")->trigger();
    qputenv("PATH", oldPath);
    QCOMPARE(s.ui.launches.size(), std::size_t(1));
    QCOMPARE(s.ui.launches[0].program, bin.path() + "/kcalc");  // kcalc comes before xcalc
  }

  // Guards against: a drawing calculator's picture not showing the figure
  // its numbers describe (saved for a look when QUILLON_SHOT_DIR is set).
  void lineRPointDrawing() {
    Session s;
    QVERIFY(s.document("", 0));
    auto* dialog = s.open("PointLineCircle", "frmLineRPoint");
    QVERIFY(dialog);
    for (auto [n, text] : {std::pair{1, "0"}, {2, "0"}, {3, "0"}, {4, "4"}, {5, "10"}, {8, "5"}})
      dialog->box(n)->setText(text);
    dialog->recalculate("Text8");
    QCOMPARE(Text(dialog, "Text6"), QString("10"));
    QCOMPARE(Text(dialog, "Text7"), QString("6"));
    QTest::mouseClick(Child<QRadioButton>(dialog, "Option2"), Qt::LeftButton);
    QCOMPARE(Text(dialog, "Text7"), QString("14"));
    const quillon::Figure& fig = dialog->drawing()->figure();
    QCOMPARE(fig.circles.size(), std::size_t(1));
    // The circle lies inside the picture.
    const QPointF c = dialog->drawing()->toWidget(fig.circles[0].centre);
    QVERIFY(dialog->drawing()->rect().contains(c.toPoint()));
    Shot(dialog, "frmLineRPoint");
  }
};

QTEST_MAIN(CalculatorsTest)
#include "test_calculators.moc"
