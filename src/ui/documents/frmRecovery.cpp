#include "ui/documents/frmRecovery.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

frmRecovery::frmRecovery(const QList<Row>& rows, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmRecovery"));
  setWindowTitle(QStringLiteral("Document Recovery"));
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(
      QStringLiteral("Quillon did not exit cleanly last time. These documents had changes that were not saved:"), this);
  text->setObjectName(QStringLiteral("lblRecovery"));
  text->setWordWrap(true);
  layout->addWidget(text);

  lstRecovery = new QTreeWidget(this);
  lstRecovery->setObjectName(QStringLiteral("lstRecovery"));
  lstRecovery->setRootIsDecorated(false);
  lstRecovery->setSelectionMode(QAbstractItemView::NoSelection);
  lstRecovery->setHeaderLabels({QStringLiteral("Document"), QStringLiteral("Last change"), QStringLiteral("Size")});
  const QLocale locale;
  for (const Row& row : rows) {
    auto* item = new QTreeWidgetItem(lstRecovery);
    item->setText(0, row.path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(row.path).fileName());
    item->setToolTip(0, row.path);
    item->setText(1, locale.toString(QDateTime::fromMSecsSinceEpoch(row.changedMs), QLocale::ShortFormat));
    item->setText(2, QStringLiteral("%1 bytes").arg(row.size));
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  }
  for (int column = 0; column < lstRecovery->columnCount(); ++column) lstRecovery->resizeColumnToContents(column);
  lstRecovery->header()->setStretchLastSection(false);
  lstRecovery->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  layout->addWidget(lstRecovery);

  auto* buttons = new QDialogButtonBox(this);
  cmdRecover = buttons->addButton(QStringLiteral("Recover"), QDialogButtonBox::AcceptRole);
  cmdRecover->setObjectName(QStringLiteral("cmdRecover"));
  cmdDiscard = buttons->addButton(QStringLiteral("Discard"), QDialogButtonBox::DestructiveRole);
  cmdDiscard->setObjectName(QStringLiteral("cmdDiscard"));
  cmdRecover->setDefault(true);
  connect(cmdRecover, &QPushButton::clicked, this, [this] {
    m_choice = Recover;
    accept();
  });
  connect(cmdDiscard, &QPushButton::clicked, this, [this] {
    m_choice = Discard;
    accept();
  });
  layout->addWidget(buttons);
  resize(560, 300);
}
