#pragma once
// A dialog's widget tree as text, one named control a line, indented under its named parents: object name, class,
// caption or text, and every state that differs from a shown, enabled, unchecked control without a tool tip.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStringList>
#include <QToolBar>
#include <QWidget>

inline QString WidgetLine(const QWidget& w, const QWidget& root, const QString& name) {
  QString line = name + " " + w.metaObject()->className();
  const auto quoted = [](const QString& s) { return " \"" + s + "\""; };
  if (&w == &root) line += quoted(w.windowTitle());
  if (auto* label = qobject_cast<const QLabel*>(&w)) line += quoted(label->text());
  if (auto* button = qobject_cast<const QAbstractButton*>(&w)) line += quoted(button->text());
  if (auto* group = qobject_cast<const QGroupBox*>(&w)) line += quoted(group->title());
  if (auto* edit = qobject_cast<const QLineEdit*>(&w))
    line += quoted(edit->text()) + (edit->isReadOnly() ? " read-only" : "");
  if (&w != &root && !w.isVisibleTo(&root)) line += " hidden";
  if (!w.isEnabled()) line += " disabled";
  if (auto* button = qobject_cast<const QAbstractButton*>(&w); button && button->isChecked()) line += " checked";
  if (!w.toolTip().isEmpty()) line += " tip" + quoted(w.toolTip());
  return line;
}

inline bool Named(const QWidget& w) { return !w.objectName().isEmpty() && !w.objectName().startsWith("qt_"); }
inline bool Captioned(const QWidget& w) {
  return qobject_cast<const QLabel*>(&w) || qobject_cast<const QAbstractButton*>(&w) ||
         qobject_cast<const QGroupBox*>(&w);
}

// The tree in creation order, each control indented under its nearest named parent. An unnamed caption (a label beside
// a box) is listed as "~n", the n-th such caption of the dialog; Qt's own helpers ("qt_...") and other unnamed widgets
// are left out.
inline QString WidgetTree(const QWidget& root) {
  QString tree = WidgetLine(root, root, root.objectName()) + "\n";
  int unnamed = 0;
  for (const QWidget* w : root.findChildren<QWidget*>()) {
    if (w->objectName().startsWith("qt_") || (!Named(*w) && !Captioned(*w))) continue;
    int depth = 1;
    for (const QWidget* p = w->parentWidget(); p && p != &root; p = p->parentWidget()) depth += Named(*p);
    const QString name = Named(*w) ? w->objectName() : "~" + QString::number(++unnamed);
    tree += QString(2 * depth, ' ') + WidgetLine(*w, root, name) + "\n";
  }
  return tree;
}

// The lines of tree that differ from base, matched by object name.
inline QString WidgetTreeChanges(const QString& base, const QString& tree) {
  QMap<QString, QString> byName;
  for (const QString& line : base.split('\n')) byName[line.trimmed().section(' ', 0, 0)] = line;
  QString changes;
  for (const QString& line : tree.split('\n', Qt::SkipEmptyParts))
    if (byName.value(line.trimmed().section(' ', 0, 0)) != line) changes += line + "\n";
  return changes;
}

// The main window's commands as text: the menu tree (object name, array index, caption, shortcut, and hidden, disabled
// or checked where so), the toolbar by position (tool tip, "-" for a separator) and the status panels (tool tip; the
// text where it does not follow the clock).
inline QString MenuLines(const QList<QAction*>& actions, int depth) {
  QString dump;
  for (const QAction* a : actions) {
    QString line = QString(2 * depth, ' ') + (a->isSeparator() ? "-" : a->objectName());
    if (a->data().toInt() > 0) line += "(" + QString::number(a->data().toInt()) + ")";
    if (!a->isSeparator()) line += " \"" + a->text() + "\"";
    if (!a->shortcut().isEmpty()) line += " " + a->shortcut().toString();
    if (!a->isVisible()) line += " hidden";
    if (!a->isEnabled()) line += " disabled";
    if (a->isChecked()) line += " checked";
    dump += line + "\n";
    if (a->menu()) dump += MenuLines(a->menu()->actions(), depth + 1);
  }
  return dump;
}

inline QString MainWindowDump(const QMainWindow& w) {
  QString dump = MenuLines(w.menuBar()->actions(), 0) + "== toolbar\n";
  for (const QAction* a : w.findChild<QToolBar*>("tbToolBar")->actions()) {
    dump += (a->isSeparator() ? "-" : a->toolTip()) + (a->isVisible() ? "" : " hidden") +
            (a->isEnabled() ? "" : " disabled") + "\n";
  }
  dump += "== status bar\n";
  for (const QLabel* panel : w.findChild<QStatusBar*>("sbStatusBar")->findChildren<QLabel*>()) {
    const bool clock = panel->objectName() == "Date" || panel->objectName() == "Time";
    dump += panel->objectName() + " tip \"" + panel->toolTip() + "\"" + (clock ? "" : " \"" + panel->text() + "\"") +
            (panel->isVisibleTo(&w) ? "" : " hidden") + "\n";
  }
  return dump;
}
