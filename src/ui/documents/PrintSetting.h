#pragma once
// "Printer setting": one or two columns, the left and right margins, and the
// buttons for the printer's orientation and the printer font. It works on the
// main window's AppSettings and stays open beside the documents.
#include <QDialog>

#include "app/settings.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class PrintSetting : public QDialog {
  Q_OBJECT
 public:
  PrintSetting(quillon::AppSettings& settings, QWidget* parent = nullptr);

  // Shows the settings' current values in the controls.
  void load();

  QGroupBox* Frame2 = nullptr;
  QRadioButton* Option1 = nullptr;
  QRadioButton* Option2 = nullptr;
  QGroupBox* Frame1 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Text1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Text2 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;

 private:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();

  quillon::AppSettings& m_settings;
};
