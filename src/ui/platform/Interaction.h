#pragma once
// The seam between the forms and everything that needs a human or another
// program: file dialogs, message boxes, launching. Widget tests install a
// scripted implementation; the real one uses Qt dialogs and QProcess.
#include <QString>
#include <QStringList>

class QWidget;

enum class Answer { Yes, No, Cancel, Ok, Overwrite, SaveAs };
enum class MessageIcon { None, Information, Warning, Exclamation, Critical };
enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel, OverwriteSaveAsCancel };

struct FileDialogResult {
  bool accepted = false;  // false: the user cancelled
  QString path;           // chosen file (may be empty even when accepted)
  QString folder;         // the folder the dialog ended in
  QString filter;         // the chosen filter's patterns as in the table ("*.min"); empty when unknown
};

class Interaction {
 public:
  virtual ~Interaction() = default;
  // filter uses the "Text (*.a)|*.a|..." form of the tables; caption may be empty.
  virtual FileDialogResult askOpenFile(QWidget* parent, const QString& caption, const QString& startFolder,
                                       const QString& fileName, const QString& filter) = 0;
  virtual FileDialogResult askSaveFile(QWidget* parent, const QString& caption, const QString& startFolder,
                                       const QString& fileName, const QString& filter) = 0;
  virtual Answer question(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                          MessageIcon icon) = 0;
  virtual void message(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) = 0;
  // Starts a program with an argument list (never through a shell); false when it cannot start.
  virtual bool launch(const QString& program, const QStringList& arguments, QString* error) = 0;
};

// The real one: Qt file dialogs and message boxes, QProcess::startDetached.
class QtInteraction : public Interaction {
 public:
  FileDialogResult askOpenFile(QWidget* parent, const QString& caption, const QString& startFolder,
                               const QString& fileName, const QString& filter) override;
  FileDialogResult askSaveFile(QWidget* parent, const QString& caption, const QString& startFolder,
                               const QString& fileName, const QString& filter) override;
  Answer question(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                  MessageIcon icon) override;
  void message(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) override;
  bool launch(const QString& program, const QStringList& arguments, QString* error) override;
};

// Converts "All Files (*.*)|*.*|Main File (*.min)|*.min" into Qt's filter list.
QStringList ConvertDialogFilter(const QString& filter);
