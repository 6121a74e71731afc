#pragma once
// The program check of one document: run when the document opens and again
// once typing stops, over the document's program index; its errors and
// warnings are marked in the document's gutter.
#include <QObject>
#include <vector>

#include "check/program_check.h"

class frmDocument;
class DocumentProgram;
class QTimer;

namespace quillon {
struct MachineParameters;
}

class DocumentCheck : public QObject {
  Q_OBJECT
 public:
  // Lives as long as program's document (its child); reads machine at every check.
  DocumentCheck(DocumentProgram& program, const quillon::MachineParameters& machine);

  // The check of doc; nullptr for a document without one.
  static DocumentCheck* of(const frmDocument* doc);

  const std::vector<quillon::Finding>& findings() const { return m_findings; }
  frmDocument& document() const;
  // Checks now (the timer does it once typing stops).
  void checkNow();
  // Puts the caret on a finding's line and column.
  void goTo(const quillon::Finding& finding) const;

 signals:
  void checked();

 private:
  DocumentProgram& m_program;
  const quillon::MachineParameters& m_machine;
  QTimer* m_delay = nullptr;
  std::vector<quillon::Finding> m_findings;
};
