#pragma once

#include "ui/forms.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
namespace ui {
class FileList;
class OneLineBox;
} // namespace ui

// The save dialog: form "frmSave". The user names a new vocabulary file; the name checks
// pass it on to SaveData.
class SaveDialog : public QWidget, public ui::Form
{
    Q_OBJECT

public:
    static constexpr const char *formName = "frmSave";

    SaveDialog();

    void Form_Load() override;

signals:
    // The store was written under the name given: the shell reopens the game on it.
    void saved();

private:
    void File1_Click();
    void cmdSave_Click();
    void Command2_Click();

    ui::FileList *File1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *lblFolder = nullptr;
    ui::OneLineBox *txtFolder = nullptr;

    QString strFileName;
    qint16 msgAnswer = 0;
};
