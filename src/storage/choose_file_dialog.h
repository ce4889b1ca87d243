#pragma once

#include "ui/forms.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

// The edit chooser: form "frmChooseFile". Loads a custom vocabulary file into the entry
// store and opens the editor on it in edit mode.
class ChooseFileDialog : public QWidget, public ui::Form {
  Q_OBJECT

public:
  static constexpr const char *formName = "frmChooseFile";

  ChooseFileDialog();

  void Form_Load() override;

private:
  void cmdOK_Click();
  void cmdCancel_Click();

  QListWidget *ChooseFile = nullptr;
  QPushButton *cmdOK = nullptr;
  QPushButton *cmdCancel = nullptr;
  QLabel *Label1 = nullptr;
};
