#pragma once
// Answering the modal process dialogs from a test, like a user would.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

// Answers the first modal dialog that appears with answer(dialog), inside the dialog's own event loop. Polling stops
// when the answer ran, after about two seconds, or when this object goes away, so a dialog that never came cannot be
// answered by a later test.
class ModalAnswer {
 public:
  explicit ModalAnswer(std::function<void(QWidget*)> answer) : m_state(std::make_shared<State>()) {
    m_state->answer = std::move(answer);
    Poll(m_state, 200);
  }
  ~ModalAnswer() { m_state->alive = false; }
  ModalAnswer(const ModalAnswer&) = delete;
  ModalAnswer& operator=(const ModalAnswer&) = delete;
  bool seen() const { return m_state->seen; }

 private:
  struct State {
    std::function<void(QWidget*)> answer;
    bool alive = true, seen = false;
  };
  static void Poll(std::shared_ptr<State> state, int triesLeft) {
    QTimer::singleShot(10, [state, triesLeft] {
      if (!state->alive || state->seen) return;
      if (QWidget* modal = QApplication::activeModalWidget()) {
        state->seen = true;
        state->answer(modal);
      } else if (triesLeft > 0) {
        Poll(state, triesLeft - 1);
      }
    });
  }
  std::shared_ptr<State> m_state;
};

inline void SetBox(QWidget* dialog, const char* name, const QString& text) {
  if (auto* box = dialog->findChild<QLineEdit*>(QString::fromLatin1(name))) box->setText(text);
}

inline void Press(QWidget* dialog, const char* button) {
  if (auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(button))) b->click();
}
