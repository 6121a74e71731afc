#include "ui/geometry/frmLineAngle.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The fixed sketch beside the boxes: a line rising from "X1,Z1" to "X2,Z2"
// with its angle A measured from the Z direction.
class LineAngleSketch : public QWidget {
 public:
  explicit LineAngleSketch(QWidget* parent) : QWidget(parent) { setFixedSize(220, 150); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::gray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QPointF start(40, 115), end(170, 40);
    // The Z direction through the start point, dashed.
    p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    p.drawLine(QPointF(20, 115), QPointF(200, 115));
    p.drawText(QPointF(196, 130), QStringLiteral("Z"));
    p.setPen(QPen(QColor(0, 0, 160), 2));
    p.drawLine(start, end);
    // The angle arc from +Z up to the line.
    p.setPen(QPen(QColor(0, 120, 0), 1));
    p.drawArc(QRectF(start.x() - 45, start.y() - 45, 90, 90), 0, 30 * 16);
    p.drawText(QPointF(92, 106), QStringLiteral("A"));
    p.setPen(Qt::red);
    p.setBrush(Qt::red);
    p.drawEllipse(start, 3, 3);
    p.drawEllipse(end, 3, 3);
    p.setPen(Qt::black);
    p.drawText(QPointF(start.x() - 30, start.y() + 22), QStringLiteral("X1,Z1"));
    p.drawText(QPointF(end.x() - 20, end.y() - 10), QStringLiteral("X2,Z2"));
  }
};

// clang-format off
struct LineAngleRow {
  int box;
  const char* label;
};
constexpr LineAngleRow kRows[] = {
  // box  label
  {1,     "Start point  X1"},
  {2,     "      Z1"},
  {3,     "Angle        A"},
  {4,     "End point   X2"},
  {5,     " Z2"},
};
// clang-format on

}  // namespace

frmLineAngle::frmLineAngle(DocumentHost& documents)
    : CalculatorDialog(*quillon::FindCalculatorForm("frmLineAngle"), documents) {
  setWindowTitle(QStringLiteral("Line-Angle"));
  auto* layout = new QHBoxLayout(this);

  auto* grid = new QGridLayout;
  int r = 0;
  for (const LineAngleRow& row : kRows) {
    auto* label = makeLabel(QStringLiteral("Label%1").arg(row.box), QString::fromLatin1(row.label));
    label->setFont(QFont(QStringLiteral("Monospace")));
    grid->addWidget(label, r, 0);
    grid->addWidget(makeBox(row.box), r, 1);
    nameBox(row.box, QString::fromLatin1(row.label));
    ++r;
  }
  layout->addLayout(grid);

  auto* right = new QVBoxLayout;
  auto* picture = new LineAngleSketch(this);
  picture->setObjectName(QStringLiteral("Picture1"));
  right->addWidget(picture);
  auto* frame = new QGroupBox(QStringLiteral("Insert"), this);
  frame->setObjectName(QStringLiteral("Frame1"));
  auto* buttons = new QHBoxLayout(frame);
  for (const char* control : {"Command1", "Command3", "Command4", "Command5"})
    buttons->addWidget(makeInsertButton(control));
  right->addWidget(frame);
  right->addWidget(makeCancelButton(), 0, Qt::AlignRight);
  layout->addLayout(right);
}
