#pragma once
// Spindle speed from cutting speed and diameter, inserted at the caret.
#include <QDialog>
#include <QPointer>

class QLineEdit;
class frmDocument;
class frmMain;

class RPM : public QDialog {
  Q_OBJECT
 public:
  explicit RPM(frmMain& main);

  void setTargetDocument(frmDocument* document);
  frmDocument* targetDocument() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Diameter_Enter();

  frmMain& m_main;
  QPointer<frmDocument> m_target;
  QLineEdit* m_v = nullptr;
  QLineEdit* m_diameter = nullptr;
};
