#include "ui/geometry/frmLineRLine.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmLineRLine::frmLineRLine(DocumentHost& documents)
    : CalculatorDialog(*quillon::FindCalculatorForm("frmLineRLine"), documents) {
  setWindowTitle(QStringLiteral("2 Line and Cycle"));
  // clang-format off
  const std::vector<CalculatorRow> rows{
    //  label                X          Z            third        fourth       buttons
    {"Line 1       X",   {{{1, ""},  {2, "Z"},    {3, "A"},    {0, ""}}},   {"Command1", nullptr}},
    {"Line 2       X",   {{{4, ""},  {5, "Z"},    {6, "A"},    {0, ""}}},   {"Command3", nullptr}},
    {"Line cross X",     {{{7, ""},  {8, "Z"},    {0, ""},     {0, ""}}},   {"Command4", nullptr}},
    {"Circle     CX",    {{{10, ""}, {11, "CZ"},  {9, "R"},    {0, ""}}},   {"Command5", nullptr}},
    {"Cross 1    X",     {{{12, ""}, {13, "Z"},   {16, "I"},   {17, "K"}}}, {"Command8", "Command6"}},
    {"Cross 2    X",     {{{14, ""}, {15, "Z"},   {18, "I"},   {19, "K"}}}, {"Command9", "Command7"}},
  };
  // clang-format on
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addLayout(makeRows(rows), 1);

  auto* side = new QVBoxLayout;
  auto* frame = new QGroupBox(QStringLiteral("Circle postion"), this);
  frame->setObjectName(QStringLiteral("Frame1"));
  auto* options = new QHBoxLayout(frame);
  for (int n = 1; n <= 4; ++n) options->addWidget(makeOption(n));
  side->addWidget(frame);
  side->addWidget(makeCheck(QStringLiteral("Circle zoom")));
  side->addStretch(1);
  top->addLayout(side);
  layout->addLayout(top);

  layout->addWidget(makeDrawing());
  auto* bottom = new QHBoxLayout;
  auto* notes = new QVBoxLayout;
  notes->addWidget(
      makeLabel(QStringLiteral("Label20"), QStringLiteral("* The redraw of a graphic should click a screen.")));
  notes->addWidget(
      makeLabel(QStringLiteral("Label21"),
                QStringLiteral("* If line2 start point is on the line1, please shift start point 0.001mm for cross.")));
  bottom->addLayout(notes);
  bottom->addStretch(1);
  bottom->addWidget(makeCancelButton(), 0, Qt::AlignBottom);
  layout->addLayout(bottom);
  enableEnterOrder();
}
