#include "ui/geometry/frmLineR.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmLineR::frmLineR(DocumentHost& documents) : CalculatorDialog(*quillon::FindCalculatorForm("frmLineR"), documents) {
  setWindowTitle(QStringLiteral("Line-circle cross point"));
  // clang-format off
  const std::vector<CalculatorRow> rows{
    //  label                X          Z            third        fourth       buttons
    {"Line          X",  {{{1, ""},  {2, "Z"},    {3, "A"},    {0, ""}}},   {"Command1", nullptr}},
    {"Center      X",    {{{4, ""},  {5, "Z"},    {6, "R"},    {0, ""}}},   {"Command3", nullptr}},
    {"Cross 1    X",     {{{7, ""},  {8, "Z"},    {9, "I"},    {10, "K"}}}, {"Command4", "Command6"}},
    {"Cross 2    X",     {{{11, ""}, {12, "Z"},   {13, "I"},   {14, "K"}}}, {"Command5", "Command7"}},
  };
  // clang-format on
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(makeRows(rows));
  layout->addWidget(makeDrawing());
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(
      makeLabel(QStringLiteral("Label10"), QStringLiteral("*The redraw of a graphic should click a screen.")));
  bottom->addStretch(1);
  bottom->addWidget(makeCancelButton());
  layout->addLayout(bottom);
  enableEnterOrder();
}
