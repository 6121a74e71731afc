#pragma once
// What a feature module sees of the documents: which one is active, the one
// way an edit reaches a document, how a command reports an error, and the
// signals that a document was created, received the focus or became active.
// The main window owns the documents; a test can host them in a bare area.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

#include "document/document_edit.h"
#include "ui/documents/frmDocument.h"
#include "ui/platform/Interaction.h"

class QMdiArea;
class QWidget;

class DocumentHost : public QObject {
  Q_OBJECT
 public:
  // window parents the modeless tools and the messages.
  DocumentHost(QMdiArea& area, Interaction& interaction, QWidget& window);

  frmDocument* ActiveDocument() const;
  QList<frmDocument*> documents() const;
  QMdiArea& area() const { return m_area; }
  QWidget* window() const { return &m_window; }
  Interaction& interaction() const { return m_interaction; }

  // Applies edit to doc (the active document when null) as one undo step,
  // then shows its message over messageParent (the window when null).
  // Without a document: the " 91 error " warning, false.
  bool apply(const quillon::DocumentEdit& edit, frmDocument* doc = nullptr, QWidget* messageParent = nullptr);

  // The warning of the process commands: title " 13 error ", its message.
  void ReportProcessError(int number);
  // The same with the error's own message ("Value too large: StartX 1e306").
  void ReportProcessError(int number, const std::string& message);

  // Asked before the editor writes a document to path: Overwrite writes,
  // SaveAs asks for another name first, Cancel writes nothing.
  std::function<Answer(frmDocument& document, const QString& path)> beforeSave;

 signals:
  // A document window was created (New, Open, recent file, command line).
  void documentCreated(frmDocument* document);
  // A document's text control received the focus (modeless tools come to front).
  void documentFocused(frmDocument* document);
  // Another document window became active (or none is left).
  void activeDocumentChanged();
  // The editor itself wrote document to path as bytes.
  void documentSaved(frmDocument* document, const QString& path, const QByteArray& bytes);

 private:
  QMdiArea& m_area;
  Interaction& m_interaction;
  QWidget& m_window;
};
