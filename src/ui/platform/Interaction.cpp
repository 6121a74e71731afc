#include "ui/platform/Interaction.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpacerItem>

#include "document/text_file.h"

QStringList ConvertDialogFilter(const QString& filter) {
  QStringList result;
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    // "*.*" means every file; on systems where names need no dot that is "*".
    for (QString& p : patterns) {
      p = p.trimmed();
      if (p == QLatin1String("*.*")) p = QStringLiteral("*");
    }
    const QString qtPatterns = patterns.join(QLatin1Char(' '));
    const QString written = QLatin1Char('(') + parts[i + 1] + QLatin1Char(')');
    QString entry = description;
    if (entry.endsWith(written))
      entry = entry.left(entry.size() - written.size()) + QLatin1Char('(') + qtPatterns + QLatin1Char(')');
    else
      entry += QLatin1String(" (") + qtPatterns + QLatin1Char(')');
    result << entry;
  }
  return result;
}

namespace {
FileDialogResult RunFileDialog(QWidget* parent, const QString& caption, const QString& startFolder,
                               const QString& fileName, const QString& filter, bool save) {
  QFileDialog dialog(parent, caption, startFolder);
  const QStringList names = ConvertDialogFilter(filter);
  // The table's patterns of each name filter, by position ("*.min").
  QStringList patterns;
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (qsizetype i = 1; i < parts.size(); i += 2) patterns << parts[i];
  auto patternsOf = [&](const QString& name) {
    const qsizetype index = names.indexOf(name);
    return index >= 0 && index < patterns.size() ? patterns[index] : QString();
  };
  dialog.setNameFilters(names);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);  // the overwrite prompt is on by default
    // A name typed without an extension gets the chosen filter's before the
    // overwrite prompt looks for the file, so the prompt asks about the file
    // that is really written.
    auto suffixFor = [&](const QString& name) {
      return QString::fromStdString(quillon::FilterExtension(patternsOf(name).toStdString())).mid(1);
    };
    if (!names.isEmpty()) dialog.setDefaultSuffix(suffixFor(names.first()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, suffixFor](const QString& name) { dialog.setDefaultSuffix(suffixFor(name)); });
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (!fileName.isEmpty()) dialog.selectFile(fileName);
  FileDialogResult result;
  result.accepted = dialog.exec() == QDialog::Accepted;
  result.folder = dialog.directory().absolutePath();
  result.filter = patternsOf(dialog.selectedNameFilter());
  if (result.accepted && !dialog.selectedFiles().isEmpty()) {
    result.path = dialog.selectedFiles().first();
    result.folder = QFileInfo(result.path).absolutePath();
  }
  return result;
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// A message box sizes itself by its text; a short text under a longer title
// (" 13 error ", "Character列Change") would cut the title off. Room for the
// title and the window buttons keeps it readable.
void MakeRoomForTitle(QMessageBox& box) {
  constexpr int kTitleBarButtons = 140;
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) * 11 / 10 + kTitleBarButtons;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                grid->columnCount());
}
}  // namespace

FileDialogResult QtInteraction::askOpenFile(QWidget* parent, const QString& caption, const QString& startFolder,
                                            const QString& fileName, const QString& filter) {
  return RunFileDialog(parent, caption, startFolder, fileName, filter, false);
}

FileDialogResult QtInteraction::askSaveFile(QWidget* parent, const QString& caption, const QString& startFolder,
                                            const QString& fileName, const QString& filter) {
  return RunFileDialog(parent, caption, startFolder, fileName, filter, true);
}

Answer QtInteraction::question(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                               MessageIcon icon) {
  QMessageBox box(ToQtIcon(icon), title, text, QMessageBox::NoButton, parent);
  MakeRoomForTitle(box);
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case Buttons::OverwriteSaveAsCancel: {
      QPushButton* overwrite = box.addButton(QStringLiteral("Overwrite"), QMessageBox::AcceptRole);
      QPushButton* saveAs = box.addButton(QStringLiteral("Save As"), QMessageBox::ActionRole);
      box.addButton(QMessageBox::Cancel);
      // Cancel is the default: Enter pressed out of habit must not write over the other program's file.
      box.setDefaultButton(QMessageBox::Cancel);
      box.exec();
      if (box.clickedButton() == overwrite) return Answer::Overwrite;
      if (box.clickedButton() == saveAs) return Answer::SaveAs;
      return Answer::Cancel;
    }
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Ok:
      return Answer::Ok;
    default:
      return Answer::Cancel;
  }
}

void QtInteraction::message(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) {
  QMessageBox box(ToQtIcon(icon), title, text, QMessageBox::Ok, parent);
  MakeRoomForTitle(box);
  box.exec();
}

bool QtInteraction::launch(const QString& program, const QStringList& arguments, QString* error) {
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  if (process.startDetached()) return true;
  if (error) *error = process.errorString();
  return false;
}
