// The calculator dialogs through the real main window offscreen: typing, leaving boxes, options, the drawing, insert
// buttons writing into the document the calculator was opened for, the spindle speed dialog and the desktop calculator.
#include <QMouseEvent>

#include "EditorPtr.h"
#include "geometry/calculator_forms.h"
#include "ui/geometry/CalculatorDialog.h"
#include "ui/geometry/FigureView.h"
#include "ui/geometry/RPM.h"

namespace {

// Opens a calculator from its menu item and makes it the active window.
template <class T = CalculatorDialog>
T* Open(EditorSession& s, const QString& control, const QString& form) {
  s.run(control);
  T* dialog = Child<T>(s.main.get(), form);
  if (dialog) QApplication::setActiveWindow(dialog);
  return dialog && QTest::qWaitForWindowActive(dialog) ? dialog : nullptr;
}

// Types text into an entry box the way a user does: focus, keys.
void Type(QWidget* dialog, const QString& box, const QString& text) {
  auto* edit = Child<QLineEdit>(dialog, box);
  QVERIFY2(edit, qPrintable(box));
  edit->setFocus(Qt::MouseFocusReason);
  edit->selectAll();
  if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
  if (!text.isEmpty()) QTest::keyClicks(edit, text);
}

void Enter(QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }

QString Text(QWidget* dialog, const QString& box) {
  auto* edit = Child<QLineEdit>(dialog, box);
  return edit ? edit->text() : QStringLiteral("<missing>");
}

// Puts "TextN=value ..." into the boxes without moving the focus.
void Fill(CalculatorDialog* dialog, const QString& entries) {
  for (const QString& e : entries.split(' '))
    dialog->box(e.section('=', 0, 0).mid(4).toInt())->setText(e.section('=', 1));
}

// Writes "#n" into box n: texts no calculation accepts.
void Mark(CalculatorDialog* dialog) {
  for (int n = 1; n <= quillon::kLastBox; ++n)
    if (QLineEdit* box = dialog->box(n)) box->setText(QString("#%1").arg(n));
}

// The menu item of each calculator form.
QString MenuItemOf(const std::string& form) {
  static const QMap<QString, QString> items{{"frmLineAngle", "LineAngle"},
                                            {"frmLineR", "LineR"},
                                            {"frmLineRLine", "LineCircleLine"},
                                            {"frmLineRPoint", "PointLineCircle"},
                                            {"frmCirclePoint", "CirclrLine"}};
  return items.value(Q(form));
}

}  // namespace

class CalculatorsTest : public QObject {
  Q_OBJECT

 private slots:
  // Guards against: results computed while typing or not when the focus leaves the last entry, a drawing that does not
  // show its circle, the insert text not landing at the caret in place of the selection, the insert not being one undo
  // step, and the dialog closing (or staying) wrongly after an insert.
  void typedLeftAndInserted_data() { AddCases("calculator_typed.txt"); }
  void typedLeftAndInserted() {
    const Case c = CurrentCase();
    const QString text = c["text"], expected = c["expected"], form = c["name"];
    EditorSession s;
    frmDocument* doc = s.document(text.toStdString(), c.number("start"), c.number("length"));
    auto* dialog = Open(s, MenuItemOf(form.toStdString()), form);
    QVERIFY(dialog && !dialog->isModal());
    for (const QString& e : c["entries"].split(' ')) Type(dialog, e.section('=', 0, 0), e.section('=', 1));
    const QStringList wanted = c["results"].split(' ');
    QCOMPARE(Text(dialog, wanted.first().section('=', 0, 0)), QString());
    Child(dialog, c["leaveTo"])->setFocus(Qt::TabFocusReason);
    for (const QString& w : wanted) QCOMPARE(Text(dialog, w.section('=', 0, 0)), w.section('=', 1));
    if (FigureView* picture = dialog->drawing()) {
      QVERIFY(picture->figure().text.empty());
      for (const auto& circle : picture->figure().circles)
        QVERIFY(picture->rect().contains(picture->toWidget(circle.centre).toPoint()));
    }
    QPointer<QWidget> alive(dialog);
    QTest::mouseClick(Child<QPushButton>(dialog, c["button"]), Qt::LeftButton);
    QCOMPARE(Q(doc->text()), expected);
    QCOMPARE(doc->selStart(), c.number("start") + expected.size() - (text.size() - c.number("length")));
    QVERIFY(doc->DataChanged());
    if (form == "frmLineAngle") QTRY_VERIFY(!alive);
    if (form != "frmLineAngle") QVERIFY(alive && alive->isVisible());
    doc->txtText->undo();
    QCOMPARE(Q(doc->text()), text);
  }

  // Guards against: an Enter order that skips or repeats an entry or reaches a result box, an insert button writing
  // other boxes than its row says (box n holds "#n", texts no calculation accepts), and the dialog closing when it
  // should stay (only Line-Angle closes).
  void enterOrderAndEveryInsertButton() {
    for (const quillon::CalculatorForm& form : quillon::CalculatorForms()) {
      EditorSession s;
      frmDocument* doc = s.document("AB", 1);
      auto* dialog = Open(s, MenuItemOf(form.name), Q(form.name));
      QVERIFY2(dialog, form.name.c_str());
      if (form.name != "frmLineAngle") {  // the line-angle form has no Enter order
        Child(dialog, Q(quillon::BoxName(form.entries.front())))->setFocus(Qt::MouseFocusReason);
        for (int box : form.entries) {
          QCOMPARE(QApplication::focusWidget()->objectName(), Q(quillon::BoxName(box)));
          Enter(QApplication::focusWidget());
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Command1"));
      }
      quillon::CalculatorFields marked;
      for (int n = 1; n <= quillon::kLastBox; ++n) marked.text[n] = "#" + std::to_string(n);
      Mark(dialog);
      for (const quillon::InsertButton& b : form.buttons) {
        doc->loadText("AB");
        doc->setSelection(1, 0);
        QPointer<QWidget> alive(dialog);
        Child<QPushButton>(dialog, Q(b.control))->click();  // no focus change: no box is left
        const QString inserted = Q(quillon::InsertEdit(b, marked).text);
        QCOMPARE(Q(doc->text()), "A" + inserted + "B");
        QCOMPARE(doc->selStart(), 1 + static_cast<int>(inserted.size()));
        if (form.insertCloses) QTRY_VERIFY(!alive);
        if (form.insertCloses) Mark(dialog = Open(s, MenuItemOf(form.name), Q(form.name)));
        if (!form.insertCloses) QVERIFY(alive && alive->isVisible());
      }
    }
  }

  void enterPressesOnlyAFocusedButton_data() { AddCases("calculator_enter.txt"); }
  void enterPressesOnlyAFocusedButton() {
    const Case c = CurrentCase();
    EditorSession s;
    frmDocument* doc = s.document("AB", 1);
    auto* dialog = Open(s, MenuItemOf(c["form"].toStdString()), c["form"]);
    QVERIFY(dialog);
    QWidget* w = Child(dialog, c["widget"]);
    w->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), w);
    // The markers are no numbers: set after the focus moved, so no box is left holding one.
    Mark(dialog);
    Enter(w);
    QCOMPARE(Q(doc->text()), "A" + c["inserted"] + "B");
  }

  // Guards against: option clicks and the zoom box not recalculating, and the zoom box enabled without a radius.
  void lineRLineOptionsAndZoom() {
    EditorSession s;
    QVERIFY(s.document());
    auto* dialog = Open(s, "LineCircleLine", "frmLineRLine");
    QVERIFY(dialog);
    auto* check = Child<QCheckBox>(dialog, "Check1");
    QVERIFY(!check->isEnabled());
    Fill(dialog, "Text1=20 Text2=0 Text3=0 Text4=40 Text5=-10 Text6=90 Text9=5");
    dialog->recalculate("Text9");
    QCOMPARE(Text(dialog, "Text10"), QString("30"));
    QVERIFY(check->isEnabled());
    QTest::mouseClick(Child<QRadioButton>(dialog, "Option2"), Qt::LeftButton);
    QCOMPARE(Text(dialog, "Text10") + " " + Text(dialog, "Text11"), QString("10 -15"));  // mirrored through X20 Z-10
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(check->isChecked());
    QCOMPARE(dialog->drawing()->figure().view.width, 25.0);  // 5 R
    Type(dialog, "Text9", "");
    Enter(Child(dialog, "Text9"));
    QVERIFY(!check->isEnabled());
  }

  // Guards against: the drawing not redrawing on a click, the failure text missing, and the mouse position not shown as
  // diameter and Z.
  void drawingClickAndMousePosition() {
    EditorSession s;
    QVERIFY(s.document());
    auto* dialog = Open(s, "LineR", "frmLineR");
    QVERIFY(dialog);
    Fill(dialog, "Text1=20 Text2=0 Text3=0 Text4=40 Text5=-20 Text6=5");  // the line misses the circle
    FigureView* picture = dialog->drawing();
    QCOMPARE(picture->cursor().shape(), Qt::CrossCursor);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(picture->figure().text, std::string("Calculation is impossible!!"));
    dialog->box(4)->setText("20");
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(picture->figure().text.empty());
    // The circle centre (X20 Z-20) drawn where the view puts it; the mouse there reads back its diameter and Z within a
    // pixel.
    const QPointF centre = picture->toWidget({-20.0, -10.0});
    QMouseEvent move(QEvent::MouseMove, centre, picture->mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    const QString position = Child<QLabel>(dialog, "Picture3")->text();
    QVERIFY2(position.startsWith("X") && position.contains(" Z"), qPrintable(position));
    const double x = position.mid(1, position.indexOf(" Z") - 1).toDouble();
    const double z = position.mid(position.indexOf(" Z") + 2).toDouble();
    const double unitsPerPixel = picture->figure().view.width / picture->width();
    QVERIFY2(std::abs(x - 20.0) <= 2 * unitsPerPixel + 0.001 && std::abs(z + 20.0) <= unitsPerPixel + 0.001,
             qPrintable(position));
  }

  // Guards against: inserting into whichever document is active instead of the one the calculator was opened for, a
  // second dialog for the same calculator, and a closed target crashing.
  void insertsIntoTheTargetDocument() {
    EditorSession s;
    frmDocument* first = s.document();
    auto* dialog = Open(s, "CirclrLine", "frmCirclePoint");
    QVERIFY(dialog);
    frmDocument* second = s.document();
    QCOMPARE(s.main->ActiveDocument(), second);
    QCOMPARE(dialog->targetDocument(), first);
    Fill(dialog, "Text5=12.928 Text6=3.535 Text7=3.535 Text8=-3.536");
    Child<QPushButton>(dialog, "Command1")->click();
    QCOMPARE(Q(first->text()) + "|" + Q(second->text()), QString(" X12.928 Z3.535|"));
    // Opening it again brings the same dialog forward for the active document.
    s.run("CirclrLine");
    QCOMPARE(s.main->findChildren<CalculatorDialog*>("frmCirclePoint").size(), 1);
    QCOMPARE(dialog->targetDocument(), second);
    // The target closed: the active document takes the text; none open: the warning.
    second->setDataChanged(false);
    second->parentWidget()->close();
    QTRY_VERIFY(dialog->targetDocument() == nullptr);
    first->setDataChanged(false);
    Child<QPushButton>(dialog, "Command3")->click();
    QCOMPARE(Q(first->text()), QString(" X12.928 Z3.535 I3.535 K-3.536"));
    first->setDataChanged(false);
    first->parentWidget()->close();
    QTRY_VERIFY(s.main->ActiveDocument() == nullptr);
    Child<QPushButton>(dialog, "Command3")->click();
    QCOMPARE(s.ui.messages.size(), std::size_t(1));
    QCOMPARE(s.ui.messages[0].text, QString("Not file open. Can not insert."));
  }

  // Guards against: the spindle speed computed with the exact pi or rounded, Enter in Diameter without V or with D = 0
  // inserting, and the dialog not closing after the insert.
  void spindleSpeed() {
    EditorSession s;
    frmDocument* doc = s.document("N001 G97 S\n", 10);
    auto* dialog = Open<RPM>(s, "mnuToolsrpm", "RPM");
    QVERIFY(dialog);
    Type(dialog, "Diameter", "20");
    Enter(Child(dialog, "Diameter"));
    QCOMPARE(QApplication::focusWidget(), Child(dialog, "V"));  // V empty: back to V
    Type(dialog, "V", "100");
    Enter(Child(dialog, "V"));
    QCOMPARE(QApplication::focusWidget(), Child(dialog, "Diameter"));
    QCOMPARE(Q(doc->text()), QString("N001 G97 S\n"));
    QPointer<QWidget> alive(dialog);
    Enter(Child(dialog, "Diameter"));
    QCOMPARE(Q(doc->text()), QString("N001 G97 S1590\n"));  // 100 * 1000 / 3.14 / 20 = 1592.36 -> 1590
    QTRY_VERIFY(!alive);
    auto* again = Open<RPM>(s, "mnuToolsrpm", "RPM");
    QVERIFY(again);
    Type(again, "V", "100");
    Type(again, "Diameter", "0");
    Enter(Child(again, "Diameter"));
    QVERIFY(again->isVisible());  // D = 0: nothing happens
    QCOMPARE(Q(doc->text()), QString("N001 G97 S1590\n"));
  }

  // Guards against: a missing calculator failing silently, and the search not taking the first one installed.
  void desktopCalculator() {
    EditorSession s;
    QVERIFY(s.document());
    const QByteArray oldPath = qgetenv("PATH");
    QTemporaryDir bin;
    qputenv("PATH", bin.path().toLocal8Bit());
    s.run("mnuToolsCalculator");
    QCOMPARE(s.ui.launches.size(), std::size_t(0));
    QVERIFY(s.ui.messages.size() == 1 && s.ui.messages[0].text.contains("gnome-calculator"));
    for (const char* name : {"xcalc", "kcalc"}) {
      WriteFile(bin.path() + "/" + name, "#!/bin/sh\n");
      QFile::setPermissions(bin.path() + "/" + name, QFile::ReadOwner | QFile::ExeOwner);
    }
    s.run("mnuToolsCalculator");
    qputenv("PATH", oldPath);
    QCOMPARE(s.ui.launches.size(), std::size_t(1));
    QCOMPARE(s.ui.launches[0].program, bin.path() + "/kcalc");  // kcalc comes before xcalc
  }
};

QTEST_MAIN(CalculatorsTest)
#include "test_calculators.moc"
