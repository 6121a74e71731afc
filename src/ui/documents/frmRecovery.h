#pragma once
// The documents a run that ended without closing them left behind: one row
// each (file name or "Untitled", time of the last change, size). Recover or
// Discard applies to every row; closing the window keeps them for the next
// start.
#include <QDialog>
#include <QList>
#include <QString>

class QPushButton;
class QTreeWidget;

class frmRecovery : public QDialog {
  Q_OBJECT
 public:
  struct Row {
    QString path;  // empty when untitled
    qint64 changedMs = 0;
    qint64 size = 0;  // bytes of text
  };
  enum Choice { Later, Recover, Discard };

  frmRecovery(const QList<Row>& rows, QWidget* parent = nullptr);

  QTreeWidget* lstRecovery = nullptr;
  QPushButton* cmdRecover = nullptr;
  QPushButton* cmdDiscard = nullptr;

  Choice choice() const { return m_choice; }

 private:
  Choice m_choice = Later;
};
