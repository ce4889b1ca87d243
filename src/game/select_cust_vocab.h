#pragma once

#include "ui/forms.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

// The chooser of a vocabulary the user made: form "frmSelectCustVocab". Its OK reopens the
// main window on the chosen file.
class SelectCustVocab : public QWidget, public ui::Form {
  Q_OBJECT

public:
  static constexpr const char *formName = "frmSelectCustVocab";

  SelectCustVocab();

  void Form_Load() override;

private:
  void cmdOK_Click();
  void cmdCancel_Click();

  QLabel *Label1 = nullptr;
  QListWidget *File1 = nullptr;
  QPushButton *cmdOK = nullptr;
  QPushButton *cmdCancel = nullptr;
};
