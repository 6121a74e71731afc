#pragma once
// Spindle speed from cutting speed and diameter, inserted at the caret.
#include <QDialog>
#include <QPointer>

class NumberEntries;
class QLineEdit;
class frmDocument;
class DocumentHost;

class RPM : public QDialog {
  Q_OBJECT
 public:
  explicit RPM(DocumentHost& documents);

  void setTargetDocument(frmDocument* document);
  frmDocument* targetDocument() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Diameter_Enter();

  DocumentHost& m_documents;
  QPointer<frmDocument> m_target;
  QLineEdit* m_v = nullptr;
  QLineEdit* m_diameter = nullptr;
  NumberEntries* m_entries = nullptr;
};
