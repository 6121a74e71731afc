// The Toolpath dock (its toggle and kept state: test_program.cpp): the fit on first show, a click on a segment moving
// the caret, the caret thickening its line, the pointer readout, following edits, and redraws from the built paths.
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBlock>

#include "EditorPtr.h"
#include "ui/toolpath/ToolpathCommands.h"
#include "ui/toolpath/ToolpathDock.h"
#include "ui/toolpath/ToolpathView.h"

namespace {

// From home X500 Z500 (the fit frames all but the rapids): line 1 rapids to X60 Z2, line 2 feeds to X40 Z2, line
// 3 to X40 Z-30, line 4 the arc to X60 Z-40 around X40 Z-40.
const char* const kProgram = "G00 X60 Z2\nG01 X40\nZ-30\nG03 X60 Z-40 K-10\nG00 X500 Z500";

struct Session : EditorSession {
  Session() : EditorSession(false) {
    start();
    main->resize(1200, 800);
    main->show();
  }
  ToolpathDock* dock() const { return ToolpathDockOf(*main); }
  ToolpathView* view() const { return dock()->viewToolpath; }
  // The middle of the first segment of line (1-based) in the view.
  QPoint middleOf(std::uint32_t line) const {
    for (const quillon::Segment& s : view()->toolpath().segments)
      if (s.line == line) return ((view()->viewPoint(s.start) + view()->viewPoint(s.end)) / 2).toPoint();
    return {};
  }
  // Pixels not white around pos: thicker strokes cover more.
  int inkAround(QPoint pos) const {
    const QImage image = view()->grab().toImage();
    int ink = 0;
    for (int y = pos.y() - 6; y <= pos.y() + 6; ++y)
      for (int x = pos.x() - 2; x <= pos.x() + 2; ++x)
        if (image.valid(x, y) && qGray(image.pixel(x, y)) < 200) ++ink;
    return ink;
  }
};

}  // namespace

class TestToolpath : public QObject {
  Q_OBJECT
 private slots:
  // Guards against the link between drawing and text broken either way: a click on a segment puts the caret on its
  // line, and moving the caret thickens that line's segments.
  void clickMovesCaretAndCaretThickens() {
    Session s;
    frmDocument* doc = s.document(kProgram);
    s.main->action("mnuViewToolpath")->trigger();
    QTRY_VERIFY(s.view()->fitted());
    QTRY_COMPARE(s.view()->toolpath().segments.size(), std::size_t{5});
    const QPoint onLine3 = s.middleOf(3);
    QTest::mouseClick(s.view(), Qt::LeftButton, {}, onLine3);
    QCOMPARE(doc->txtText->textCursor().blockNumber(), 2);
    QCOMPARE(s.view()->caretLine(), 3u);

    const QPoint onLine2 = s.middleOf(2);
    const int thin = s.inkAround(onLine2);
    QTextCursor caret(doc->txtText->document()->findBlockByNumber(1));
    doc->txtText->setTextCursor(caret);
    QCOMPARE(s.view()->caretLine(), 2u);
    QVERIFY2(s.inkAround(onLine2) > thin, "the caret's line is not drawn thicker");
    // A click on empty space moves nothing.
    QTest::mouseClick(s.view(), Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(doc->txtText->textCursor().blockNumber(), 1);
  }

  // Guards against a readout in the wrong axis or unit: X is a diameter.
  void pointerReadout() {
    Session s;
    s.document(kProgram);
    s.main->action("mnuViewToolpath")->trigger();
    QTRY_VERIFY(s.view()->fitted());
    const QPointF at = s.view()->viewPoint({40, -30});
    QMouseEvent move(QEvent::MouseMove, at, s.view()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(s.view(), &move);
    const QRegularExpressionMatch m =
        QRegularExpression(R"(^X(-?\d+\.\d{3}) Z(-?\d+\.\d{3})$)").match(s.dock()->lblPosition->text());
    QVERIFY2(m.hasMatch(), qPrintable(s.dock()->lblPosition->text()));
    const double pixel = 2 / s.view()->worldToView().m11();  // a rounding pixel, in mm
    QVERIFY(std::abs(m.captured(1).toDouble() - 40) <= 2 * pixel);
    QVERIFY(std::abs(m.captured(2).toDouble() + 30) <= pixel);
  }

  // Guards against a drawing that lags behind typing or redraws by re-interpreting: an edit shows within 200 ms; zoom,
  // pan and Fit reuse the paths built for the toolpath.
  void followsEditsAndRedrawsFromCache() {
    Session s;
    frmDocument* doc = s.document(kProgram);
    s.main->action("mnuViewToolpath")->trigger();
    QTRY_COMPARE(s.view()->toolpath().segments.size(), std::size_t{5});
    QTextCursor end(doc->txtText->document());
    end.movePosition(QTextCursor::End);
    doc->txtText->setTextCursor(end);
    QTest::keyClick(doc->txtText, Qt::Key_Return);
    QTest::keyClicks(doc->txtText, "X100");
    QTRY_COMPARE_WITH_TIMEOUT(s.view()->toolpath().segments.size(), std::size_t{6}, 200);
    const int built = s.view()->pathsBuilt();
    s.view()->fit();
    const QTransform before = s.view()->worldToView();
    QWheelEvent wheel(QPointF(50, 50), s.view()->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 120), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(s.view(), &wheel);
    QVERIFY(s.view()->worldToView().m11() > before.m11());
    // The point under the pointer stays put.
    const QPointF world = before.inverted().map(QPointF(50, 50));
    QVERIFY((s.view()->worldToView().map(world) - QPointF(50, 50)).manhattanLength() < 1e-6);
    QTest::mousePress(s.view(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(s.view(), QPoint(140, 120));
    QTest::mouseRelease(s.view(), Qt::LeftButton, {}, QPoint(140, 120));
    QTest::mouseClick(s.dock()->cmdFit, Qt::LeftButton);
    s.view()->repaint();
    QCOMPARE(s.view()->pathsBuilt(), built);
    QCOMPARE(s.view()->worldToView(), before);
  }
};

QTEST_MAIN(TestToolpath)
#include "test_toolpath.moc"
