#pragma once
// Answering the modal process dialogs from a test: the answer runs once the
// dialog is up, inside its own event loop, like a user would.
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

// Runs answer(dialog) on the first modal dialog that appears; sets *seen when
// it did. Gives up after about two seconds so a missing dialog fails the test
// instead of hanging it.
inline void AnswerModal(std::function<void(QWidget*)> answer, bool* seen = nullptr, int triesLeft = 200) {
  QTimer::singleShot(10, [answer = std::move(answer), seen, triesLeft]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      if (triesLeft > 0) AnswerModal(std::move(answer), seen, triesLeft - 1);
      return;
    }
    if (seen) *seen = true;
    answer(modal);
  });
}

inline void SetBox(QWidget* dialog, const char* name, const QString& text) {
  QLineEdit* box = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
  if (box) box->setText(text);
}

inline void Press(QWidget* dialog, const char* button) {
  if (auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(button))) b->click();
}
