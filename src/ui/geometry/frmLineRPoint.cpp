#include "ui/geometry/frmLineRPoint.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmLineRPoint::frmLineRPoint(DocumentHost& documents)
    : CalculatorDialog(*quillon::FindCalculatorForm("frmLineRPoint"), documents) {
  setWindowTitle(QStringLiteral("1Point+Line then Circle"));
  // clang-format off
  const std::vector<CalculatorRow> rows{
    //  label                X          Z            third        fourth       buttons
    {"Line          X",  {{{1, ""},  {2, "Z"},    {3, "A"},    {0, ""}}},   {"Command1", nullptr}},
    {"Point        X",   {{{4, ""},  {5, "Z"},    {0, ""},     {0, ""}}},   {"Command3", nullptr}},
    {"Circle    CX",     {{{6, ""},  {7, "CZ"},   {8, "R"},    {0, ""}}},   {"Command4", nullptr}},
    {"Start         X",  {{{9, ""},  {10, "Z"},   {11, "I"},   {12, "K"}}}, {"Command5", "Command6"}},
  };
  // clang-format on
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addLayout(makeRows(rows), 1);
  auto* frame = new QGroupBox(QStringLiteral("Circle postion"), this);
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
