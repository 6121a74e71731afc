#include "ui/process/UgcDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "process_rotary/ugc.h"

namespace {

// The sketch is laid out on a fixed logical canvas and scaled to the widget,
// keeping its proportions.
constexpr double kCanvasWidth = 560;
constexpr double kCanvasHeight = 230;

constexpr double kAxis = 118;       // centre line
constexpr double kChuckFace = 52;   // chuck face = blank's chuck-side end
constexpr double kBlankFace = 352;  // blank's free end
constexpr double kBlankRadius = 48;
constexpr double kBoreRadius = 20;
constexpr double kJawEnd = 112;  // jaws grip from the chuck face to here
constexpr double kJawHeight = 26;
constexpr double kProgramZero = 330;  // program zero, a little inside the face stock
constexpr double kCenterTip = 342;    // centre point, inside the centre hole
constexpr double kCenterCone = 382;
constexpr double kCenterEnd = 468;
constexpr double kCenterRadius = 26;
constexpr double kHoleRadius = 10;
constexpr double kArrow = 6;

constexpr double kBlankTop = kAxis - kBlankRadius;
constexpr double kBlankBottom = kAxis + kBlankRadius;

enum class Anchor { Above, Below, Left, Right };

struct Dimension {
  int box;           // Text1..Text9
  QPointF from, to;  // the dimension line, arrows at both ends
  QList<QLineF> extensions;
  QPointF textAt;  // where the box's caption goes
  Anchor anchor;
};

// clang-format off
const Dimension kDimensions[] = {
  // box from                               to                                   extensions                                                            text at                        anchor
  {9, {kProgramZero, 22},                  {kBlankFace, 22},                    {{kBlankFace, kBlankTop, kBlankFace, 16}},                              {kBlankFace + 4, 22},          Anchor::Right},
  {3, {kChuckFace, 214},                   {kBlankFace, 214},                   {{kBlankFace, kBlankBottom, kBlankFace, 220}},                          {(kChuckFace + kBlankFace) / 2, 212}, Anchor::Above},
  {1, {kChuckFace, 30},                    {kJawEnd, 30},                       {{kJawEnd, kBlankTop - kJawHeight, kJawEnd, 24}},                       {(kChuckFace + kJawEnd) / 2, 28}, Anchor::Above},
  {2, {kJawEnd + 12, kBlankTop - kJawHeight}, {kJawEnd + 12, kBlankTop},        {{kJawEnd, kBlankTop - kJawHeight, kJawEnd + 18, kBlankTop - kJawHeight}}, {kJawEnd + 18, kBlankTop - 13}, Anchor::Right},
  {5, {280, kBlankTop},                    {280, kBlankBottom},                 {},                                                                     {276, kBlankTop + 16},         Anchor::Left},
  {4, {170, kAxis - kBoreRadius},          {170, kAxis + kBoreRadius},          {},                                                                     {174, kBlankBottom - 14},      Anchor::Right},
  {8, {kCenterTip, 190},                   {kCenterEnd, 190},                   {{kCenterTip, kAxis + 4, kCenterTip, 196}, {kCenterEnd, kAxis + kCenterRadius, kCenterEnd, 196}}, {(kCenterCone + kCenterEnd) / 2, 188}, Anchor::Above},
  {7, {kCenterEnd + 14, kAxis - kCenterRadius}, {kCenterEnd + 14, kAxis + kCenterRadius}, {{kCenterEnd, kAxis - kCenterRadius, kCenterEnd + 20, kAxis - kCenterRadius}, {kCenterEnd, kAxis + kCenterRadius, kCenterEnd + 20, kAxis + kCenterRadius}}, {kCenterEnd + 20, kAxis + 12}, Anchor::Right},
  {6, {kBlankFace + 8, kAxis - kHoleRadius}, {kBlankFace + 8, kAxis + kHoleRadius}, {},                                                                 {kBlankFace + 12, kAxis + kCenterRadius + 14}, Anchor::Right},
};
// clang-format on

void Arrow(QPainter& p, QPointF tip, QPointF from) {
  const QLineF back(tip, from);
  if (back.length() <= 0) return;
  const QPointF unit = (from - tip) / back.length();
  const QPointF normal(-unit.y(), unit.x());
  const double len = std::min(kArrow, back.length() / 2);
  QPolygonF head;
  head << tip << tip + unit * len + normal * (len / 2.5) << tip + unit * len - normal * (len / 2.5);
  p.drawPolygon(head);
}

void Label(QPainter& p, const QString& text, QPointF at, Anchor anchor) {
  constexpr double kBox = 200;
  QRectF r;
  int flags = 0;
  switch (anchor) {
    case Anchor::Above:
      r = QRectF(at.x() - kBox / 2, at.y() - kBox, kBox, kBox);
      flags = Qt::AlignHCenter | Qt::AlignBottom;
      break;
    case Anchor::Below:
      r = QRectF(at.x() - kBox / 2, at.y(), kBox, kBox);
      flags = Qt::AlignHCenter | Qt::AlignTop;
      break;
    case Anchor::Left:
      r = QRectF(at.x() - kBox, at.y() - kBox / 2, kBox, kBox);
      flags = Qt::AlignRight | Qt::AlignVCenter;
      break;
    case Anchor::Right:
      r = QRectF(at.x(), at.y() - kBox / 2, kBox, kBox);
      flags = Qt::AlignLeft | Qt::AlignVCenter;
      break;
  }
  p.drawText(r, flags, text);
}

}  // namespace

UgcDrawing::UgcDrawing(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Picture1"));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize UgcDrawing::sizeHint() const { return QSize(int(kCanvasWidth), int(kCanvasHeight)); }
QSize UgcDrawing::minimumSizeHint() const { return QSize(int(kCanvasWidth * 0.8), int(kCanvasHeight * 0.8)); }

void UgcDrawing::setHighlight(int box) {
  if (box == m_highlight) return;
  m_highlight = box;
  update();
}

void UgcDrawing::setCenterVisible(bool visible) {
  if (visible == m_centerVisible) return;
  m_centerVisible = visible;
  update();
}

void UgcDrawing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double scale = std::min(width() / kCanvasWidth, height() / kCanvasHeight);
  p.translate((width() - kCanvasWidth * scale) / 2, (height() - kCanvasHeight * scale) / 2);
  p.scale(scale, scale);

  const QColor ink = palette().color(QPalette::WindowText);
  QFont font = p.font();
  font.setPixelSize(11);
  p.setFont(font);

  auto pen = [&](const QColor& color, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen result(color, width, style);
    result.setCosmetic(true);
    return result;
  };

  // Centre line and program zero.
  p.setPen(pen(ink, 1, Qt::DashDotLine));
  p.drawLine(QPointF(4, kAxis), QPointF(kCanvasWidth - 4, kAxis));
  p.drawLine(QPointF(kProgramZero, 14), QPointF(kProgramZero, kBlankBottom + 12));

  // Chuck body and jaws.
  p.setPen(pen(ink, 1));
  p.setBrush(palette().color(QPalette::Mid));
  p.drawRect(QRectF(14, 12, kChuckFace - 14, kCanvasHeight - 36));
  p.setBrush(palette().color(QPalette::Midlight));
  p.drawRect(QRectF(kChuckFace, kBlankTop - kJawHeight, kJawEnd - kChuckFace, kJawHeight));
  p.drawRect(QRectF(kChuckFace, kBlankBottom, kJawEnd - kChuckFace, kJawHeight));

  // Blank, with the bore as hidden lines.
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(kChuckFace, kBlankTop, kBlankFace - kChuckFace, 2 * kBlankRadius));
  p.setPen(pen(ink, 1, Qt::DashLine));
  p.drawLine(QPointF(kChuckFace, kAxis - kBoreRadius), QPointF(kBlankFace, kAxis - kBoreRadius));
  p.drawLine(QPointF(kChuckFace, kAxis + kBoreRadius), QPointF(kBlankFace, kAxis + kBoreRadius));

  // Tailstock centre in its centre hole.
  if (m_centerVisible) {
    p.setPen(pen(ink, 1));
    p.drawLine(QPointF(kBlankFace, kAxis - kHoleRadius), QPointF(kCenterTip, kAxis));
    p.drawLine(QPointF(kBlankFace, kAxis + kHoleRadius), QPointF(kCenterTip, kAxis));
    QPolygonF centre;
    centre << QPointF(kCenterTip, kAxis) << QPointF(kCenterCone, kAxis - kCenterRadius)
           << QPointF(kCenterEnd, kAxis - kCenterRadius) << QPointF(kCenterEnd, kAxis + kCenterRadius)
           << QPointF(kCenterCone, kAxis + kCenterRadius);
    p.setBrush(palette().color(QPalette::Midlight));
    p.drawPolygon(centre);
    p.setBrush(Qt::NoBrush);
    Label(p, QStringLiteral("Center"), QPointF((kCenterCone + kCenterEnd) / 2, kAxis - kCenterRadius - 4),
          Anchor::Above);
  }

  // Dimensions: the one for the focused box stands out.
  for (const Dimension& d : kDimensions) {
    const quillon::UgcBox* box = quillon::FindUgcBox(d.box);
    if (box->centre && !m_centerVisible) continue;
    const bool lit = d.box == m_highlight;
    const QColor color = lit ? QColor(Qt::magenta) : ink;
    p.setPen(pen(color, lit ? 2 : 1));
    for (const QLineF& e : d.extensions) p.drawLine(e);
    p.drawLine(d.from, d.to);
    p.setBrush(color);
    Arrow(p, d.from, d.to);
    Arrow(p, d.to, d.from);
    p.setBrush(Qt::NoBrush);
    QFont f = font;
    f.setBold(lit);
    p.setFont(f);
    Label(p, QString::fromLatin1(box->caption.data(), qsizetype(box->caption.size())), d.textAt, d.anchor);
    p.setFont(font);
  }
}
