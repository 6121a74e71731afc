#include "ui/geometry/CalculatorDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/documents/DocumentHost.h"
#include "ui/documents/frmDocument.h"
#include "ui/geometry/FigureView.h"
#include "ui/platform/NumberEntries.h"

namespace {

// Wide enough for "-1234.567".
constexpr int kBoxWidth = 80;

// "Line 1       X" with the cell "Z" names the box "Line 1 Z": a row label
// ends with the word of its first box when that is a coordinate letter.
QString CellName(const QString& rowLabel, const QString& cellLabel) {
  QStringList words = rowLabel.simplified().split(QLatin1Char(' '));
  static const QRegularExpression kCoordinate(QStringLiteral("^[A-Z]{1,2}$"));
  if (words.size() > 1 && kCoordinate.match(words.last()).hasMatch()) words.removeLast();
  return words.join(QLatin1Char(' ')) + QLatin1Char(' ') + cellLabel;
}

}  // namespace

CalculatorDialog::CalculatorDialog(const quillon::CalculatorForm& form, DocumentHost& documents)
    : QDialog(documents.window()),
      m_form(form),
      m_documents(documents),
      m_entries(new NumberEntries(*this, &documents.interaction())) {
  setObjectName(QString::fromStdString(form.name));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
}

CalculatorDialog::~CalculatorDialog() {
  // The boxes lose the focus while the window is torn down; no calculation
  // may run on a half-destroyed form then.
  for (QLineEdit* b : m_boxes)
    if (b) b->removeEventFilter(this);
}

void CalculatorDialog::setTargetDocument(frmDocument* document) { m_target = document; }
frmDocument* CalculatorDialog::targetDocument() const { return m_target; }

QLineEdit* CalculatorDialog::box(int n) const {
  return n > 0 && n <= quillon::kLastBox ? m_boxes[static_cast<std::size_t>(n)] : nullptr;
}

quillon::CalculatorFields CalculatorDialog::fields() const {
  quillon::CalculatorFields f;
  for (int n = 1; n <= quillon::kLastBox; ++n)
    if (QLineEdit* b = box(n)) f.text[static_cast<std::size_t>(n)] = QtToProgramText(b->text());
  for (std::size_t i = 0; i < m_options.size(); ++i)
    if (m_options[i]->isChecked()) f.option = static_cast<int>(i) + 1;
  if (m_check) {
    f.check1 = m_check->isChecked();
    f.check1Enabled = m_check->isEnabled();
  }
  return f;
}

void CalculatorDialog::nameBox(int n, const QString& label) { m_labels[static_cast<std::size_t>(n)] = label; }

void CalculatorDialog::recalculate(const QString& control) {
  if (!m_entries->confirmMarked()) return;
  const quillon::Calculation result = quillon::Recalculate(m_form, fields(), control.toStdString());
  for (int n : m_form.results) {
    QLineEdit* b = box(n);
    const QString text = ProgramTextToQt(result.fields.text[static_cast<std::size_t>(n)]);
    if (b && b->text() != text) b->setText(text);
  }
  if (m_check) m_check->setEnabled(result.fields.check1Enabled);
  if (m_drawing && result.figure) m_drawing->setFigure(*result.figure);
}

void CalculatorDialog::insert(const quillon::InsertButton& button) {
  // Typed entries are inserted as they stand, so none may be marked.
  if (!m_entries->confirmMarked()) return;
  // When the document the calculator was opened for is gone, the active one
  // takes the text, or the user hears that none is open.
  m_documents.apply(quillon::InsertEdit(button, fields()), m_target);
  if (m_form.insertCloses) close();
}

bool CalculatorDialog::eventFilter(QObject* watched, QEvent* event) {
  auto* entry = qobject_cast<QLineEdit*>(watched);
  if (entry && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    // Leaving for another window, for a button of this one (Cancel must
    // close, an insert button judges by itself) or while a refusal puts the
    // focus back is no attempt to calculate: a refused entry stays marked
    // and nothing is said.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    auto* next = qobject_cast<QPushButton*>(QApplication::focusWidget());
    const bool quiet =
        reason == Qt::ActiveWindowFocusReason || m_entries->refocusing() || (next && next->window() == this);
    if (!quiet || !m_entries->firstMarked()) recalculate(entry->objectName());
  } else if (entry && m_enterOrder && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      const auto& order = m_form.entries;
      for (std::size_t i = 0; i < order.size(); ++i) {
        if (box(order[i]) != entry) continue;
        QWidget* next = i + 1 < order.size() ? static_cast<QWidget*>(box(order[i + 1]))
                                             : findChild<QPushButton*>(QStringLiteral("Command1"));
        if (next) next->setFocus(Qt::TabFocusReason);
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CalculatorDialog::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    // Enter in a box without an Enter order, in a result box or on an option
    // inserts nothing; on a focused insert button it presses that button.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

QLineEdit* CalculatorDialog::makeBox(int n) {
  auto* b = new QLineEdit(this);
  b->setObjectName(QString::fromStdString(quillon::BoxName(n)));
  b->setFixedWidth(kBoxWidth);
  m_boxes[static_cast<std::size_t>(n)] = b;
  const auto& entries = m_form.entries;
  if (std::find(entries.begin(), entries.end(), n) != entries.end()) {
    b->installEventFilter(this);
    m_entries->add(b, [this, n, b] {
      const QString& label = m_labels[static_cast<std::size_t>(n)];
      return label.isEmpty() ? b->objectName() : label;
    });
  } else {
    b->setReadOnly(true);
    b->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
  }
  return b;
}

QPushButton* CalculatorDialog::makeInsertButton(const char* control) {
  const quillon::InsertButton* button = quillon::FindInsertButton(m_form, control);
  auto* b = new QPushButton(button ? QString::fromStdString(button->caption) : QString(), this);
  b->setObjectName(QLatin1String(control));
  // An auto-default button would become the dialog's default and take every
  // Enter pressed in a box.
  b->setAutoDefault(false);
  if (button) {
    const quillon::InsertButton copy = *button;
    connect(b, &QPushButton::clicked, this, [this, copy] { insert(copy); });
  }
  return b;
}

QPushButton* CalculatorDialog::makeCancelButton() {
  auto* b = new QPushButton(tr("Cancel"), this);
  b->setObjectName(QStringLiteral("Command2"));
  b->setAutoDefault(false);
  connect(b, &QPushButton::clicked, this, &QDialog::close);
  return b;
}

QRadioButton* CalculatorDialog::makeOption(int n) {
  auto* option = new QRadioButton(QString::number(n), this);
  option->setObjectName(QStringLiteral("Option%1").arg(n));
  option->setChecked(n == 1);
  m_options.push_back(option);
  connect(option, &QRadioButton::clicked, this, [this, n] { recalculate(QStringLiteral("Option%1").arg(n)); });
  return option;
}

QCheckBox* CalculatorDialog::makeCheck(const QString& caption) {
  m_check = new QCheckBox(caption, this);
  m_check->setObjectName(QStringLiteral("Check1"));
  m_check->setEnabled(false);
  connect(m_check, &QCheckBox::clicked, this, [this] { recalculate(QStringLiteral("Check1")); });
  return m_check;
}

QLabel* CalculatorDialog::makeLabel(const QString& objectName, const QString& text) {
  auto* label = new QLabel(text, this);
  label->setObjectName(objectName);
  return label;
}

QGridLayout* CalculatorDialog::makeRows(const std::vector<CalculatorRow>& rows) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  int r = 0;
  for (const CalculatorRow& row : rows) {
    grid->addWidget(makeLabel(QStringLiteral("LabelRow%1").arg(r + 1), QString::fromLatin1(row.label)), r, 0);
    for (int c = 0; c < 4; ++c) {
      const CalculatorCell& cell = row.cells[static_cast<std::size_t>(c)];
      if (cell.box == 0) continue;
      if (c > 0)
        grid->addWidget(makeLabel(QStringLiteral("LabelText%1").arg(cell.box), QString::fromLatin1(cell.label)), r,
                        2 * c, Qt::AlignRight);
      grid->addWidget(makeBox(cell.box), r, 2 * c + 1);
      nameBox(cell.box, c == 0 ? QString::fromLatin1(row.label)
                               : CellName(QString::fromLatin1(row.label), QString::fromLatin1(cell.label)));
    }
    for (int k = 0; k < 2; ++k)
      if (const char* control = row.buttons[static_cast<std::size_t>(k)])
        grid->addWidget(makeInsertButton(control), r, 8 + k);
    ++r;
  }
  grid->setColumnStretch(10, 1);
  return grid;
}

QWidget* CalculatorDialog::makeDrawing() {
  auto* holder = new QWidget(this);
  auto* column = new QVBoxLayout(holder);
  column->setContentsMargins(0, 0, 0, 0);
  m_drawing = new FigureView(holder);
  m_drawing->setObjectName(QStringLiteral("Picture1"));
  auto* position = new QLabel(holder);
  position->setObjectName(QStringLiteral("Picture3"));
  position->setFrameShape(QFrame::Panel);
  position->setFrameShadow(QFrame::Sunken);
  position->setMinimumWidth(200);
  connect(m_drawing, &FigureView::mousePositionChanged, position, &QLabel::setText);
  connect(m_drawing, &FigureView::clicked, this, [this] { recalculate(QStringLiteral("Picture1")); });
  column->addWidget(m_drawing);
  column->addWidget(position, 0, Qt::AlignLeft);
  return holder;
}
