#include "ui/geometry/frmCirclePoint.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmCirclePoint::frmCirclePoint(DocumentHost& documents)
    : CalculatorDialog(*quillon::FindCalculatorForm("frmCirclePoint"), documents) {
  setWindowTitle(QStringLiteral("Circle-Line"));
  // clang-format off
  const std::vector<CalculatorRow> rows{
    //  label                X          Z            third        fourth       buttons
    {"Circle      X",    {{{1, ""},  {2, "Z"},    {3, "R"},    {0, ""}}},   {nullptr, nullptr}},
    {"Line Angle",       {{{0, ""},  {4, "A"},    {0, ""},     {0, ""}}},   {nullptr, nullptr}},
    {"Cross       X",    {{{5, ""},  {6, "Z"},    {7, "I"},    {8, "K"}}},  {"Command1", "Command3"}},
  };
  // clang-format on
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addLayout(makeRows(rows), 1);
  auto* frame = new QGroupBox(QStringLiteral("Corss position"), this);
  frame->setObjectName(QStringLiteral("Frame1"));
  auto* options = new QHBoxLayout(frame);
  for (int n = 1; n <= 2; ++n) options->addWidget(makeOption(n));
  top->addWidget(frame, 0, Qt::AlignTop);
  layout->addLayout(top);

  layout->addWidget(makeDrawing());
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(
      makeLabel(QStringLiteral("Label20"), QStringLiteral("* The redraw of a graphic should click a screen.")));
  bottom->addStretch(1);
  bottom->addWidget(makeCancelButton());
  layout->addLayout(bottom);
  enableEnterOrder();
}
