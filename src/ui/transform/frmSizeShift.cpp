#include "ui/transform/frmSizeShift.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

frmSizeShift::frmSizeShift(QWidget* parent)
    : SearchChangeDialog(
          parent, Texts{QStringLiteral("frmSizeShift"), QStringLiteral("Calculation Replace"),
                        QStringLiteral("Change data character"), QStringLiteral("Example: X , Z , S , SB , DA ,etc..."),
                        QStringLiteral("txtValue"), QStringLiteral("Calculation data"),
                        QStringLiteral("Example: 100 , -10 , *0.8 , /2 , etc..."), QStringLiteral("(+,-,*,/Only)"),
                        QStringLiteral("Change from top")}) {
  m_txtFind->installEventFilter(this);
  m_txtValue->installEventFilter(this);
}

bool frmSizeShift::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      // Enter walks the boxes instead of pressing the default button.
      if (watched == m_txtFind) {
        m_txtValue->setFocus(Qt::TabFocusReason);
        return true;
      }
      if (watched == m_txtValue) {
        if (m_txtFind->text().isEmpty() || m_txtValue->text().isEmpty())
          m_txtFind->setFocus(Qt::TabFocusReason);
        else
          m_change->setFocus(Qt::TabFocusReason);
        return true;
      }
    }
  }
  return SearchChangeDialog::eventFilter(watched, event);
}
