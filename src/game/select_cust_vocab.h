#pragma once

#include "storage/vocabulary_file.h"
#include "ui/forms.h"

#include <QWidget>

class QLabel;
class QPushButton;
namespace ui {
class FileList;
}

// The chooser of a vocabulary the user made: form "frmSelectCustVocab". Its OK reopens the
// main window on the chosen file.
class SelectCustVocab : public QWidget, public ui::Form
{
    Q_OBJECT

public:
    static constexpr const char *formName = "frmSelectCustVocab";

    SelectCustVocab();

    void Form_Load() override;

signals:
    // A file was chosen and found playable: the game is to open on it (the shell does that).
    void fileChosen(const QString &fileName, const QList<VocabEntry> &entries);

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    QLabel *Label1 = nullptr;
    ui::FileList *File1 = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
