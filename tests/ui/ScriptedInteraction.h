#pragma once
// An Interaction that answers from a script instead of a human, and records every message and question, so widget tests
// can drive the real forms.
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "ui/platform/Interaction.h"

class ScriptedInteraction : public Interaction {
 public:
  struct Shown {
    QString title;
    QString text;
    MessageIcon icon;
  };
  struct LaunchCall {
    QString program;
    QStringList arguments;
  };

  // Queued answers, consumed in order; an empty queue cancels / answers Cancel.
  std::deque<FileDialogResult> openAnswers;
  std::deque<FileDialogResult> saveAnswers;
  std::deque<Answer> answers;
  bool launchSucceeds = true;

  // What the forms asked and showed.
  std::vector<Shown> messages;
  std::vector<Shown> questions;
  std::vector<QString> openStartFolders, saveStartFolders, saveDefaultNames, openFilters, saveFilters;
  std::vector<LaunchCall> launches;

  FileDialogResult askOpenFile(QWidget*, const QString&, const QString& startFolder, const QString&,
                               const QString& filter) override {
    openStartFolders.push_back(startFolder);
    openFilters.push_back(filter);
    if (openAnswers.empty()) return {};
    auto r = openAnswers.front();
    openAnswers.pop_front();
    return r;
  }
  FileDialogResult askSaveFile(QWidget*, const QString&, const QString& startFolder, const QString& fileName,
                               const QString& filter) override {
    saveStartFolders.push_back(startFolder);
    saveDefaultNames.push_back(fileName);
    saveFilters.push_back(filter);
    if (saveAnswers.empty()) return {};
    auto r = saveAnswers.front();
    saveAnswers.pop_front();
    return r;
  }
  Answer question(QWidget*, const QString& title, const QString& text, Buttons, MessageIcon icon) override {
    questions.push_back({title, text, icon});
    if (answers.empty()) return Answer::Cancel;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
  void message(QWidget*, const QString& title, const QString& text, MessageIcon icon) override {
    messages.push_back({title, text, icon});
  }
  bool launch(const QString& program, const QStringList& arguments, QString* error) override {
    launches.push_back({program, arguments});
    if (!launchSucceeds && error) *error = QStringLiteral("not found");
    return launchSucceeds;
  }

  // A file dialog answer that picks path (the folder is taken from it).
  static FileDialogResult pick(const QString& path) {
    FileDialogResult r;
    r.accepted = true;
    r.path = path;
    r.folder = path.left(path.lastIndexOf('/'));
    return r;
  }
};
