#include "ui/shell/ScreenFit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "app/window_placement.h"

namespace {
quillon::ScreenRect ToRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
QRect FromRect(const quillon::ScreenRect& r) { return {r.x, r.y, r.width, r.height}; }
}  // namespace

ScreenFit::ScreenFit(QWidget& mainWindow) : QObject(&mainWindow), m_main(mainWindow) {
  setObjectName(QStringLiteral("ScreenFit"));
  qApp->installEventFilter(this);
}

ScreenFit::~ScreenFit() { qApp->removeEventFilter(this); }

QRect ScreenFit::AvailableArea(const QWidget& w) {
  QScreen* screen = w.screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

bool ScreenFit::watches(const QWidget& window) const {
  if (&window == &m_main || !window.isWindow()) return false;
  switch (window.windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Tool:
    case Qt::Sheet:
      break;
    default:
      return false;  // menus, tool tips, splash screens place themselves
  }
  for (const QWidget* w = window.parentWidget(); w; w = w->parentWidget())
    if (w == &m_main) return true;
  return false;
}

QMargins ScreenFit::frameMargins(const QWidget& window) const {
  const QWidget& known = window.testAttribute(Qt::WA_WState_Created) && window.isVisible() ? window : m_main;
  const QRect frame = known.frameGeometry(), inner = known.geometry();
  return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
          frame.bottom() - inner.bottom()};
}

void ScreenFit::fit(QWidget& window) const {
  const QRect area = AvailableArea(m_main);
  if (area.isEmpty() || window.isMaximized() || window.isFullScreen()) return;
  const QMargins margins = frameMargins(window);
  // pos() is where the frame goes, size() what is inside it.
  const QRect frame(window.pos(), window.size().grownBy(margins));
  const QRect fitted = FromRect(quillon::FitInside(ToRect(frame), ToRect(area)));
  if (fitted.size() != frame.size()) window.resize(fitted.size().shrunkBy(margins));
  if (fitted.topLeft() != frame.topLeft()) window.move(fitted.topLeft());
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* window = static_cast<QWidget*>(watched);
    if (watches(*window)) {
      if (qobject_cast<QDialog*>(window)) {
        // A dialog centres itself over its parent when its own show runs,
        // after this; it is fitted once that is done.
        QPointer<QWidget> guard(window);
        QTimer::singleShot(0, this, [this, guard] {
          if (guard && guard->isVisible()) fit(*guard);
        });
      } else {
        if (!window->testAttribute(Qt::WA_Moved)) {
          const QMargins margins = frameMargins(*window);
          const QRect frame(QPoint(), window->size().grownBy(margins));
          const quillon::ScreenRect centred =
              quillon::CentredOver(ToRect(frame), ToRect(m_main.frameGeometry()), ToRect(AvailableArea(m_main)));
          window->move(centred.x, centred.y);
        }
        fit(*window);
      }
    }
  }
  return QObject::eventFilter(watched, event);
}
