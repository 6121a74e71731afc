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

#include "ui/geometry/CalculatorDialog.h"
#include "ui/geometry/FigureView.h"
#include "ui/geometry/RPM.h"
#include "ScriptedInteraction.h"
#include "TestRows.h"
#include "ui/documents/frmDocument.h"
#include "EditorPtr.h"

namespace {

struct Session {
  QTemporaryDir tmp;
  quillon::MemorySettingsStore store;
  ScriptedInteraction ui;
  EditorPtr main;

  Session() {
    QDir().mkpath(tmp.path() + "/app");
    main = MakeEditor(store, ui,
                                     quillon::SettingPlaces{(tmp.path() + "/app").toStdString(), tmp.path().toStdString()});
    main->load(QString());
  }
  frmDocument* document(const QString& text, int start, int length = 0) {
    main->action("mnuFileNew")->trigger();
    frmDocument* doc = main->ActiveDocument();
    if (!doc) return nullptr;
    doc->loadText(text.toStdString());
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

QString DocText(const frmDocument* doc) { return QString::fromStdString(doc->text()); }

// Puts "TextN=value ..." into the boxes without moving the focus.
void Fill(CalculatorDialog* dialog, const QString& entries) {
  for (const QString& e : entries.split(' '))
    dialog->box(e.section('=', 0, 0).mid(4).toInt())->setText(e.section('=', 1));
}

// Every box n holds "#n", texts no calculation accepts, so a wrong box shows
// up at once and leaving a box changes nothing.
void Mark(CalculatorDialog* dialog) {
  for (int n = 1; n <= quillon::kLastBox; ++n)
    if (QLineEdit* box = dialog->box(n)) box->setText(QString("#%1").arg(n));
}

// Saves what a dialog looks like when QUILLON_SHOT_DIR names a folder.
void Shot(QWidget* dialog, const QString& name) {
  const QString dir = QString::fromLocal8Bit(qgetenv("QUILLON_SHOT_DIR"));
  if (!dir.isEmpty()) dialog->grab().save(dir + "/" + name + ".png");
}

// Guards against: results computed while typing or not when the focus
// leaves the last entry, a drawing that does not show its circle, the
// insert text not landing at the caret in place of the selection, the
// insert not being one undo step, and the dialog closing (or staying)
// wrongly after an insert. Rows are named by their form.
struct TypedRow {
  const char *name, *control, *text;  // name: the form
  int start, length;
  const char *entries, *leaveTo, *results, *button, *expected;  // the first result appears only when leaving
};
// clang-format off
const TypedRow kTyped[] = {
  // Z2 = 20 / 2 / tan 45 = 10, computed when X2 (Text4) is left
  {"frmLineAngle", "LineAngle", "N001 G01 \n", 9, 0, "Text1=0 Text2=0 Text3=45 Text4=20", "Text5", "Text5=10", "Command4", "N001 G01 X20 Z10\n"},
  // line along Z at radius 10 through the centre X20 Z-20, R5: crossings Z-25 and Z-15; "N002" is replaced
  {"frmLineR", "LineR", "N001 G00 X100\nN002 M30\n", 14, 4, "Text1=20 Text2=0 Text3=0 Text4=20 Text5=-20 Text6=5", "Command1",
   "Text7=20 Text8=-25 Text10=5 Text11=20 Text12=-15 Text14=-5", "Command5", "N001 G00 X100\nN000 G0* X20 Z-15 L5\n M30\n"},
  // R5 in the right angle at X20 Z-10: centre radius 15 Z-5, cross 1 on line 1 at Z-5
  {"frmLineRLine", "LineCircleLine", "G00\n", 4, 0, "Text1=20 Text2=0 Text3=0 Text4=40 Text5=-10 Text6=90 Text9=5", "Command1",
   "Text10=30 Text11=-5 Text7=20 Text8=-10 Text12=20 Text13=-5", "Command8", "G00\nN000     X20 Z-5\n"},
  // P at radius 2, 10 along a line on the axis, R5: centre 4 before P at radius 5
  {"frmLineRPoint", "PointLineCircle", "G00\n", 4, 0, "Text1=0 Text2=0 Text3=0 Text4=4 Text5=10 Text8=5", "Command1",
   "Text6=10 Text7=6 Text9=0 Text10=6 Text11=5 Text12=0", "Command4", "G00\n X10 Z6\n"},
  // c = s = 5 cos 45 = 3.53553: X = 20 - 7.07107 -> 12.928, K = -3.53553 -> floor -3.536
  {"frmCirclePoint", "CirclrLine", "G01", 3, 0, "Text1=20 Text2=0 Text3=5 Text4=45", "Command1",
   "Text5=12.928 Text6=3.535 Text7=3.535 Text8=-3.536", "Command1", "G01 X12.928 Z3.535"},
};
// clang-format on

// Guards against: an Enter order that skips or repeats an entry, or
// reaches a result box. Rows are named by their form.
struct EnterOrderRow {
  const char *name, *control, *order;  // name: the form
};
// clang-format off
const EnterOrderRow kEnterOrders[] = {
  {"frmLineR",       "LineR",           "Text1 Text2 Text3 Text4 Text5 Text6 Command1"},
  {"frmLineRLine",   "LineCircleLine",  "Text1 Text2 Text3 Text4 Text5 Text6 Text9 Command1"},
  {"frmLineRPoint",  "PointLineCircle", "Text1 Text2 Text3 Text4 Text5 Text8 Command1"},
  {"frmCirclePoint", "CirclrLine",      "Text1 Text2 Text3 Text4 Command1"},
};
// clang-format on

// Guards against: an insert button writing the wrong boxes, a missing or
// extra line end, the wrong G word or lead-in, "G0*" being "fixed", the
// dialog closing when it should stay (only Line-Angle closes), and the
// first insert button acting as the dialog's default: Enter in a box of
// the line-angle form (which has no Enter order), in a result box or on an
// option inserted its text. Only a button that has the focus takes Enter.
struct InsertRow {
  const char *name, *control, *form, *widget;
  bool enter;            // Enter on the focused widget, else a click
  const char* inserted;  // every box n holds "#n"
};
// clang-format off
const InsertRow kInserts[] = {
  {"LineAngle 1",     "LineAngle",       "frmLineAngle",   "Command1", false, "X#4"},
  {"LineAngle 3",     "LineAngle",       "frmLineAngle",   "Command3", false, "Z#5"},
  {"LineAngle 4",     "LineAngle",       "frmLineAngle",   "Command4", false, "X#4 Z#5"},
  {"LineAngle 5",     "LineAngle",       "frmLineAngle",   "Command5", false, "A#3"},
  {"LineR 1",         "LineR",           "frmLineR",       "Command1", false, " X#1 Z#2\n"},
  {"LineR 3",         "LineR",           "frmLineR",       "Command3", false, " X#4 Z#5\n"},
  {"LineR 4",         "LineR",           "frmLineR",       "Command4", false, "N000 G01 X#7 Z#8\n"},
  {"LineR 6",         "LineR",           "frmLineR",       "Command6", false, " I#9 K#10\n"},
  {"LineR 5",         "LineR",           "frmLineR",       "Command5", false, "N000 G0* X#11 Z#12 L#6\n"},
  {"LineR 7",         "LineR",           "frmLineR",       "Command7", false, " I#13 K#14\n"},
  {"LineRLine 1",     "LineCircleLine",  "frmLineRLine",   "Command1", false, "N000 G01 X#1 Z#2\n"},
  {"LineRLine 3",     "LineCircleLine",  "frmLineRLine",   "Command3", false, "N000 G01 X#4 Z#5\n"},
  {"LineRLine 4",     "LineCircleLine",  "frmLineRLine",   "Command4", false, "N000 G01 X#7 Z#8\n"},
  {"LineRLine 5",     "LineCircleLine",  "frmLineRLine",   "Command5", false, "N000 G01 X#10 Z#11\n"},
  {"LineRLine 8",     "LineCircleLine",  "frmLineRLine",   "Command8", false, "N000     X#12 Z#13\n"},
  {"LineRLine 6",     "LineCircleLine",  "frmLineRLine",   "Command6", false, " I#16 K#17\n"},
  {"LineRLine 9",     "LineCircleLine",  "frmLineRLine",   "Command9", false, "N000 G0* X#14 Z#15 L#9\n"},
  {"LineRLine 7",     "LineCircleLine",  "frmLineRLine",   "Command7", false, " I#18 K#19\n"},
  {"LineRPoint 1",    "PointLineCircle", "frmLineRPoint",  "Command1", false, " X#1 Z#2\n"},
  {"LineRPoint 3",    "PointLineCircle", "frmLineRPoint",  "Command3", false, " X#4 Z#5\n"},
  {"LineRPoint 4",    "PointLineCircle", "frmLineRPoint",  "Command4", false, " X#6 Z#7\n"},
  {"LineRPoint 5",    "PointLineCircle", "frmLineRPoint",  "Command5", false, " X#9 Z#10\n"},
  {"LineRPoint 6",    "PointLineCircle", "frmLineRPoint",  "Command6", false, " I#11 K#12\n"},
  {"CirclePoint 1",   "CirclrLine",      "frmCirclePoint", "Command1", false, " X#5 Z#6"},
  {"CirclePoint 3",   "CirclrLine",      "frmCirclePoint", "Command3", false, " I#7 K#8"},
  // Enter presses only a focused button: not in a box, a result box or on an option
  {"Enter LineAngle Text5",   "LineAngle",      "frmLineAngle",   "Text5",    true, ""},
  {"Enter LineAngle Text1",   "LineAngle",      "frmLineAngle",   "Text1",    true, ""},
  {"Enter LineR Text7",       "LineR",          "frmLineR",       "Text7",    true, ""},
  {"Enter LineRLine Option2", "LineCircleLine", "frmLineRLine",   "Option2",  true, ""},
  {"Enter CirclePoint Option1", "CirclrLine",   "frmCirclePoint", "Option1",  true, ""},
  {"Enter LineAngle 3",       "LineAngle",      "frmLineAngle",   "Command3", true, "Z#5"},
  {"Enter LineR 4",           "LineR",          "frmLineR",       "Command4", true, "N000 G01 X#7 Z#8\n"},
};
// clang-format on

}  // namespace

class CalculatorsTest : public QObject {
  Q_OBJECT

 private slots:
  void typedLeftAndInserted_data() { AddRows(kTyped); }
  void typedLeftAndInserted() {
    const TypedRow& r = CurrentRow(kTyped);
    const QString text = r.text, expected = r.expected;
    Session s;
    frmDocument* doc = s.document(text, r.start, r.length);
    QVERIFY(doc);
    auto* dialog = s.open(r.control, r.name);
    QVERIFY(dialog);
    QVERIFY(!dialog->isModal());
    for (const QString& e : QString(r.entries).split(' ')) Type(dialog, e.section('=', 0, 0), e.section('=', 1));
    const QStringList wanted = QString(r.results).split(' ');
    QCOMPARE(Text(dialog, wanted.first().section('=', 0, 0)), QString());
    Child(dialog, r.leaveTo)->setFocus(Qt::TabFocusReason);
    for (const QString& w : wanted) QCOMPARE(Text(dialog, w.section('=', 0, 0)), w.section('=', 1));
    if (FigureView* picture = dialog->drawing()) {
      QVERIFY(picture->figure().text.empty());
      for (const auto& circle : picture->figure().circles)
        QVERIFY(picture->rect().contains(picture->toWidget(circle.centre).toPoint()));
    }
    Shot(dialog, r.name);

    QPointer<QWidget> alive(dialog);
    QTest::mouseClick(Child<QPushButton>(dialog, r.button), Qt::LeftButton);
    QCOMPARE(DocText(doc), expected);
    QCOMPARE(doc->selStart(), r.start + expected.size() - (text.size() - r.length));
    QVERIFY(doc->DataChanged());
    if (QString(r.name) == "frmLineAngle")
      QTRY_VERIFY(!alive);
    else
      QVERIFY(alive && alive->isVisible());
    doc->txtText->undo();
    QCOMPARE(DocText(doc), text);
  }

  void enterMovesTheFocus_data() { AddRows(kEnterOrders); }
  void enterMovesTheFocus() {
    const EnterOrderRow& r = CurrentRow(kEnterOrders);
    const QStringList order = QString(r.order).split(' ');
    Session s;
    QVERIFY(s.document("", 0));
    auto* dialog = s.open(r.control, r.name);
    QVERIFY(dialog);
    Child(dialog, order.first())->setFocus(Qt::MouseFocusReason);
    for (int i = 0; i + 1 < order.size(); ++i) {
      QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
      Enter(QApplication::focusWidget());
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), order.last());
  }

  void everyInsertButton_data() { AddRows(kInserts); }
  void everyInsertButton() {
    const InsertRow& r = CurrentRow(kInserts);
    const QString inserted = r.inserted;
    Session s;
    frmDocument* doc = s.document("AB", 1);
    QVERIFY(doc);
    auto* dialog = s.open(r.control, r.form);
    QVERIFY(dialog);
    QWidget* w = Child(dialog, r.widget);
    QVERIFY2(w, r.widget);
    QPointer<QWidget> alive(dialog);
    if (r.enter) {
      // The markers are no numbers: set after the focus moved, no box is left with one.
      w->setFocus(Qt::TabFocusReason);
      QCOMPARE(QApplication::focusWidget(), w);
      Mark(dialog);
      Enter(w);
    } else {
      Mark(dialog);
      qobject_cast<QPushButton*>(w)->click();  // no focus change: no box is left
    }
    QCOMPARE(DocText(doc), "A" + inserted + "B");
    QCOMPARE(doc->selStart(), 1 + static_cast<int>(inserted.size()));
    if (QString(r.form) == "frmLineAngle" && !inserted.isEmpty())
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
    QVERIFY(Child<QRadioButton>(dialog, "Option1")->isChecked());
    auto* check = Child<QCheckBox>(dialog, "Check1");
    QVERIFY(!check->isEnabled());
    Fill(dialog, "Text1=20 Text2=0 Text3=0 Text4=40 Text5=-10 Text6=90 Text9=5");
    dialog->recalculate("Text9");
    QCOMPARE(Text(dialog, "Text10"), QString("30"));
    QVERIFY(check->isEnabled());

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
    Fill(dialog, "Text1=20 Text2=0 Text3=0 Text4=40 Text5=-20 Text6=5");  // the line misses the circle
    FigureView* picture = dialog->drawing();
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
  // the one the calculator was opened for, a second dialog for the same
  // calculator, and a closed target crashing.
  void insertsIntoTheTargetDocument() {
    Session s;
    frmDocument* first = s.document("", 0);
    auto* dialog = s.open("CirclrLine", "frmCirclePoint");
    QVERIFY(dialog);
    frmDocument* second = s.document("", 0);
    QCOMPARE(s.main->ActiveDocument(), second);
    QCOMPARE(dialog->targetDocument(), first);
    Fill(dialog, "Text5=12.928 Text6=3.535 Text7=3.535 Text8=-3.536");
    Child<QPushButton>(dialog, "Command1")->click();
    QCOMPARE(DocText(first), QString(" X12.928 Z3.535"));
    QCOMPARE(DocText(second), QString());

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
    QCOMPARE(DocText(first), QString(" X12.928 Z3.535 I3.535 K-3.536"));
    first->setDataChanged(false);
    first->parentWidget()->close();
    QTRY_VERIFY(s.main->ActiveDocument() == nullptr);
    Child<QPushButton>(dialog, "Command3")->click();
    QCOMPARE(s.ui.messages.size(), std::size_t(1));
    QCOMPARE(s.ui.messages[0].text, QString("Not file open. Can not insert."));
  }

  // Guards against: the spindle speed computed with the exact pi or rounded,
  // Enter in Diameter without V or with D = 0 inserting, and the dialog not
  // closing after the insert.
  void spindleSpeed() {
    Session s;
    frmDocument* doc = s.document("N001 G97 S\n", 10);
    QVERIFY(doc);
    auto* dialog = s.open<RPM>("mnuToolsrpm", "RPM");
    QVERIFY(dialog);
    Type(dialog, "Diameter", "20");
    Enter(Child(dialog, "Diameter"));
    QCOMPARE(QApplication::focusWidget(), Child(dialog, "V"));  // V empty: back to V
    Type(dialog, "V", "100");
    Enter(Child(dialog, "V"));
    QCOMPARE(QApplication::focusWidget(), Child(dialog, "Diameter"));
    QCOMPARE(DocText(doc), QString("N001 G97 S\n"));
    QPointer<QWidget> alive(dialog);
    Enter(Child(dialog, "Diameter"));
    // 100 * 1000 / 3.14 / 20 = 1592.36 -> 1590
    QCOMPARE(DocText(doc), QString("N001 G97 S1590\n"));
    QTRY_VERIFY(!alive);

    auto* again = s.open<RPM>("mnuToolsrpm", "RPM");
    QVERIFY(again);
    Type(again, "V", "100");
    Type(again, "Diameter", "0");
    Enter(Child(again, "Diameter"));
    QVERIFY(again->isVisible());  // D = 0: nothing happens
    QCOMPARE(DocText(doc), QString("N001 G97 S1590\n"));
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
};

QTEST_MAIN(CalculatorsTest)
#include "test_calculators.moc"
