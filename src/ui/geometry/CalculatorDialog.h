#pragma once
// What the calculator dialogs share: entry and result boxes bound to the
// core's CalculatorFields, recalculation when an entry is left or an option,
// the zoom box or the drawing is clicked, Enter moving the focus, and insert
// buttons writing at the caret of the document the calculator works on.
// Each form (frmLineR, ...) only lays its controls out.
#include <QDialog>
#include <QList>
#include <QPointer>
#include <array>
#include <vector>

#include "geometry/calculator_forms.h"

class FigureView;
class NumberEntries;
class QCheckBox;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class frmDocument;
class DocumentHost;

// One row of a calculator: its label, up to four boxes with their labels, and
// up to two insert buttons.
struct CalculatorCell {
  int box = 0;             // TextN; 0 leaves the cell empty
  const char* label = "";  // shown before the box
};
struct CalculatorRow {
  const char* label;
  std::array<CalculatorCell, 4> cells;
  std::array<const char*, 2> buttons;  // CommandN or nullptr
};

class CalculatorDialog : public QDialog {
  Q_OBJECT
 public:
  // form: the core's description (name, entries, results, buttons).
  CalculatorDialog(const quillon::CalculatorForm& form, DocumentHost& documents);
  ~CalculatorDialog() override;

  // The document the insert buttons write into (TargetDocument).
  void setTargetDocument(frmDocument* document);
  frmDocument* targetDocument() const;

  QLineEdit* box(int n) const;
  FigureView* drawing() const { return m_drawing; }
  quillon::CalculatorFields fields() const;

  // What leaving an entry / clicking OptionN, Check1 or Picture1 does. While
  // an entry holds no number nothing is calculated: the message names it and
  // it gets the focus back.
  void recalculate(const QString& control);
  NumberEntries& entries() const { return *m_entries; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // These forms have no default button: Enter presses only a focused button.
  void keyPressEvent(QKeyEvent* event) override;

  // Building blocks for the forms' layouts.
  QLineEdit* makeBox(int n);
  QPushButton* makeInsertButton(const char* control);
  QPushButton* makeCancelButton();
  QRadioButton* makeOption(int n);
  QCheckBox* makeCheck(const QString& caption);
  QLabel* makeLabel(const QString& objectName, const QString& text);
  // Rows in a grid: label, then label and box per cell, then the buttons.
  QGridLayout* makeRows(const std::vector<CalculatorRow>& rows);
  // Picture1 with Picture3 (the mouse position) under it.
  QWidget* makeDrawing();
  // Enter in an entry moves the focus along the form's entries, then to Command1.
  void enableEnterOrder() { m_enterOrder = true; }
  // How a refusal names box n when no row of makeRows labels it.
  void nameBox(int n, const QString& label);

 private:
  void insert(const quillon::InsertButton& button);

  const quillon::CalculatorForm& m_form;
  DocumentHost& m_documents;
  QPointer<frmDocument> m_target;
  std::array<QLineEdit*, quillon::kLastBox + 1> m_boxes{};
  std::array<QString, quillon::kLastBox + 1> m_labels;
  NumberEntries* m_entries = nullptr;
  std::vector<QRadioButton*> m_options;
  QCheckBox* m_check = nullptr;
  FigureView* m_drawing = nullptr;
  bool m_enterOrder = false;
};
