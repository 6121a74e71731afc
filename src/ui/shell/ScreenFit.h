#pragma once
// Keeps every window the main window opens (dialogs, the help window, the
// message boxes) wholly inside the available area of the screen that holds
// the main window: a window placed by no one is centred over the main
// window first; one reaching beyond the screen is moved in, and shrunk when
// it is larger than the screen.
#include <QMargins>
#include <QObject>
#include <QRect>

class QWidget;

class ScreenFit : public QObject {
  Q_OBJECT
 public:
  // Watches the application's windows from now on.
  explicit ScreenFit(QWidget& mainWindow);
  ~ScreenFit() override;

  // The available area of the screen holding w (the primary screen when w has none).
  static QRect AvailableArea(const QWidget& w);
  // Moves (and shrinks) window so that its frame lies inside the main window's screen.
  void fit(QWidget& window) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool watches(const QWidget& window) const;
  // The frame around a window: its own once it has been shown, else the
  // main window's as the best guess.
  QMargins frameMargins(const QWidget& window) const;

  QWidget& m_main;
};
