#pragma once
// Every command of the main window by control name: the menu items built
// from the menu tree (a control array is one name with several indexes), one
// handler per name that the feature modules bind, and the rule that a command
// needing a document does nothing without one.
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenuBar;

class Commands : public QObject {
  Q_OBJECT
 public:
  // hasDocument tells whether a document is open; actions belong to window.
  Commands(QWidget* window, std::function<bool()> hasDocument);

  // Builds the menu tree into the bar.
  void buildMenus(QMenuBar* bar);

  QAction* action(const QString& controlName, int index = 0) const;
  // The handler of every item of that name; index is the item's array index.
  void setCommand(const QString& controlName, std::function<void(int index)> handler);
  // Runs a command as its menu item would (disabled items and document
  // commands without a document do nothing).
  void runCommand(const QString& controlName, int index = 0);
  // Shows or hides every item of these names.
  template <class Names>
  void setVisible(const Names& names, bool visible) {
    for (const auto& name : names) setItemVisible(QString::fromUtf8(name.data(), qsizetype(name.size())), visible);
  }

 private:
  void setItemVisible(const QString& name, bool visible);
  void dispatch(const QString& controlName, int index);

  QWidget* m_window;
  std::function<bool()> m_hasDocument;
  QHash<QString, QAction*> m_actions;  // "name#index" -> action (submenus: their menu action)
  QHash<QString, std::function<void(int)>> m_handlers;
};
