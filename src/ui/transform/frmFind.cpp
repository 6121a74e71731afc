#include "ui/transform/frmFind.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmFind::frmFind(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmFind"));
  setWindowTitle(QStringLiteral("Find"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);

  m_txtFind = new QLineEdit(this);
  m_txtFind->setObjectName(QStringLiteral("txtFind"));
  m_check1 = new QCheckBox(QStringLiteral("Find from top"), this);
  m_check1->setObjectName(QStringLiteral("Check1"));
  m_nextFind = new QPushButton(QStringLiteral("Next Find"), this);
  m_nextFind->setObjectName(QStringLiteral("NextFind"));
  m_nextFind->setEnabled(false);
  m_nextFind->setDefault(true);
  m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
  m_cancel->setObjectName(QStringLiteral("Cancel"));
  m_cancel->setAutoDefault(false);

  auto* grid = m_grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Find Character"), this), 0, 0);
  grid->addWidget(m_txtFind, 0, 1);
  grid->addWidget(m_nextFind, 0, 2);
  grid->addWidget(m_check1, 1, 1);
  grid->addWidget(m_cancel, 1, 2);
  m_txtFind->setMinimumWidth(200);

  connect(m_txtFind, &QLineEdit::textChanged, this, &frmFind::txtFind_Change);
  connect(m_nextFind, &QPushButton::clicked, this, &frmFind::NextFind_Click);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::close);
}

void frmFind::setFindText(const QString& text) {
  m_txtFind->setText(text);
  txtFind_Change();  // also when the text was already there
}

QCheckBox* frmFind::addOption(const QString& name, const QString& caption) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(name);
  m_grid->addWidget(box, m_optionRow++, 1);
  return box;
}

QString frmFind::findText() const { return m_txtFind->text(); }

void frmFind::txtFind_Change() {
  m_nextFind->setEnabled(!m_txtFind->text().isEmpty());
  emit findTextChanged(m_txtFind->text());
}

void frmFind::NextFind_Click() {
  const bool fromTop = m_check1->isChecked();
  if (fromTop) m_check1->setChecked(false);
  emit nextFindRequested(fromTop);
}
