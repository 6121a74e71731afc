#pragma once
// The entry boxes of a form that must hold a number, judged by the core's one
// judge (numbers/entry_check.h). A box whose text is not a number is marked
// (red frame, tool tip "not a number") as soon as it loses the focus; the
// form's OK asks confirm(), which refuses while a box the user can reach is
// not a number, names that box by its label in a message and puts the focus
// on it. Hidden and disabled boxes are not judged: nobody can correct them.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class Interaction;
class QLabel;
class QLineEdit;
class QWidget;

class NumberEntries : public QObject {
  Q_OBJECT
 public:
  // interaction shows the refusal; without one a message box opens over the
  // form without blocking.
  NumberEntries(QWidget& form, Interaction* interaction);

  // label gives the name the message uses, read when the message is shown
  // (commands relabel their boxes).
  void add(QLineEdit* box, std::function<QString()> label);
  void add(QLineEdit* box, const QString& label);

  // Judges every box the user can reach, in the order they were added. All
  // refused ones are marked; the first is named in the message and gets the
  // focus. True when every such box is empty or a number.
  bool confirm();
  // The same, but only boxes already marked (left with a text that is not a
  // number) refuse: what the calculators ask before they calculate or insert,
  // since their boxes are judged one by one as the focus leaves them.
  bool confirmMarked();

  // The first box the user can reach that is marked, or null.
  QLineEdit* firstMarked() const;

  // Whether confirm() is moving the focus back to a refused box right now: the
  // focus leaving another box meanwhile is no new attempt of the user's.
  bool refocusing() const { return m_refocusing; }

  // Marks or clears one box by its text now; true when it is acceptable.
  static bool judge(QLineEdit* box);
  static bool isMarked(const QLineEdit* box);

  // How the message names a label's text: accelerator marks dropped, runs of
  // blanks (which align the old captions) made one.
  static QString labelName(const QString& caption);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    QPointer<QLineEdit> box;
    std::function<QString()> label;
  };
  bool reachable(const QLineEdit* box) const;
  bool refuse(const Entry& entry);

  QWidget& m_form;
  Interaction* m_interaction;
  std::vector<Entry> m_entries;
  bool m_refocusing = false;
};
