#include "ui/transform/SearchChangeDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SearchChangeDialog::SearchChangeDialog(QWidget* parent, const Texts& texts) : QDialog(parent) {
  setObjectName(texts.formName);
  setWindowTitle(texts.caption);
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);

  m_txtFind = new QLineEdit(this);
  m_txtFind->setObjectName(QStringLiteral("txtFind"));
  m_txtFind->setToolTip(texts.findTip);
  m_txtValue = new QLineEdit(this);
  m_txtValue->setObjectName(texts.valueName);
  m_txtValue->setToolTip(texts.valueTip);
  m_check1 = new QCheckBox(texts.fromTop, this);
  m_check1->setObjectName(QStringLiteral("Check1"));
  m_change = new QPushButton(QStringLiteral("Change"), this);
  m_change->setObjectName(QStringLiteral("Change"));
  m_nextFind = new QPushButton(QStringLiteral("Skip"), this);
  m_nextFind->setObjectName(QStringLiteral("NextFind"));
  m_allChange = new QPushButton(QStringLiteral("All Change"), this);
  m_allChange->setObjectName(QStringLiteral("AllChange"));
  m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
  m_cancel->setObjectName(QStringLiteral("Cancel"));
  for (QPushButton* button : {m_change, m_nextFind, m_allChange, m_cancel}) button->setAutoDefault(false);
  for (QPushButton* button : {m_change, m_nextFind, m_allChange}) button->setEnabled(false);

  auto* grid = m_grid = new QGridLayout(this);
  // clang-format off
  grid->addWidget(new QLabel(texts.findLabel, this),  0, 0);
  grid->addWidget(m_txtFind,                          0, 1);
  grid->addWidget(m_change,                           0, 2);
  grid->addWidget(new QLabel(texts.valueLabel, this), 1, 0);
  grid->addWidget(m_txtValue,                         1, 1);
  grid->addWidget(m_nextFind,                         1, 2);
  grid->addWidget(m_check1,                           2, 1);
  grid->addWidget(m_allChange,                        2, 2);
  grid->addWidget(m_cancel,                           3, 2);
  // clang-format on
  if (!texts.valueNote.isEmpty()) grid->addWidget(new QLabel(texts.valueNote, this), 3, 1);
  m_txtFind->setMinimumWidth(180);

  connect(m_txtFind, &QLineEdit::textChanged, this, &SearchChangeDialog::txtFind_Change);
  connect(m_txtValue, &QLineEdit::textChanged, this, &SearchChangeDialog::txtFind_Change);
  connect(m_change, &QPushButton::clicked, this, [this] { emit changeRequested(takeFromTop()); });
  connect(m_nextFind, &QPushButton::clicked, this, [this] { emit skipRequested(takeFromTop()); });
  connect(m_allChange, &QPushButton::clicked, this, [this] { emit allChangeRequested(takeFromTop()); });
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::close);
}

void SearchChangeDialog::setFindText(const QString& text) {
  m_txtFind->setText(text);
  txtFind_Change();  // also when the text was already there
}

QCheckBox* SearchChangeDialog::addOption(const QString& name, const QString& caption) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(name);
  m_grid->addWidget(box, m_optionRow++, 1);
  return box;
}

QString SearchChangeDialog::findText() const { return m_txtFind->text(); }
QString SearchChangeDialog::valueText() const { return m_txtValue->text(); }

void SearchChangeDialog::txtFind_Change() {
  // An empty replacement or calculation is not possible.
  const bool ready = !m_txtFind->text().isEmpty() && !m_txtValue->text().isEmpty();
  for (QPushButton* button : {m_change, m_nextFind, m_allChange}) button->setEnabled(ready);
  m_change->setDefault(ready);
  emit textsChanged(m_txtFind->text(), m_txtValue->text());
}

bool SearchChangeDialog::takeFromTop() {
  const bool fromTop = m_check1->isChecked();
  if (fromTop) m_check1->setChecked(false);
  return fromTop;
}
