#include "ui/shell/Commands.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "app/menu_tree.h"

namespace {
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString ActionKey(const QString& name, int index) { return name + QLatin1Char('#') + QString::number(index); }
}  // namespace

Commands::Commands(QWidget* window, std::function<bool()> hasDocument)
    : QObject(window), m_window(window), m_hasDocument(std::move(hasDocument)) {
  setObjectName(QStringLiteral("Commands"));
}

void Commands::buildMenus(QMenuBar* bar) {
  std::vector<QMenu*> parents;  // parents[level] = menu receiving items of level + 1
  for (const quillon::MenuItem& item : quillon::MenuTree()) {
    const QString name = Q(item.name);
    const QString caption = Q(item.caption);
    QAction* act = nullptr;
    parents.resize(static_cast<std::size_t>(item.level));
    if (item.level == 0 || (item.flags & quillon::kMenuSubmenu)) {
      QMenu* menu = item.level == 0 ? bar->addMenu(caption) : parents.back()->addMenu(caption);
      menu->setObjectName(name);
      parents.push_back(menu);
      act = menu->menuAction();
    } else if (quillon::IsSeparator(item)) {
      act = parents.back()->addSeparator();
    } else {
      act = new QAction(caption, m_window);
      if (!item.shortcut.empty()) act->setShortcut(QKeySequence(Q(item.shortcut)));
      parents.back()->addAction(act);
      const int index = item.index;
      connect(act, &QAction::triggered, this, [this, name, index] { dispatch(name, index); });
    }
    act->setObjectName(name);
    act->setData(item.index);
    act->setCheckable((item.flags & quillon::kMenuCheckable) != 0);
    act->setChecked((item.flags & quillon::kMenuChecked) != 0);
    act->setEnabled((item.flags & quillon::kMenuDisabled) == 0);
    act->setVisible((item.flags & quillon::kMenuHidden) == 0);
    m_actions.insert(ActionKey(name, item.index), act);
  }
  // Exactly one arrangement mode carries the check mark.
  auto* arrangement = new QActionGroup(this);
  arrangement->setExclusive(true);
  for (const char* mode : {"mnuWindowCascade", "mnuWindowTileHorizontal", "mnuWindowTileVertical"})
    arrangement->addAction(action(QLatin1String(mode)));
}

QAction* Commands::action(const QString& controlName, int index) const {
  return m_actions.value(ActionKey(controlName, index), nullptr);
}

void Commands::setCommand(const QString& controlName, std::function<void(int index)> handler) {
  m_handlers.insert(controlName, std::move(handler));
}

void Commands::runCommand(const QString& controlName, int index) {
  QAction* act = action(controlName, index);
  if (act && act->isEnabled()) act->trigger();
}

void Commands::setItemVisible(const QString& name, bool visible) {
  if (QAction* act = action(name)) act->setVisible(visible);
}

void Commands::dispatch(const QString& controlName, int index) {
  if (quillon::NeedsDocument(controlName.toStdString()) && !m_hasDocument()) return;
  auto it = m_handlers.constFind(controlName);
  if (it != m_handlers.constEnd() && *it) (*it)(index);
}
