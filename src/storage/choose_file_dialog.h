#pragma once

#include "storage/vocabulary_file.h"
#include "ui/forms.h"

#include <QWidget>

class QLabel;
class QPushButton;
namespace ui {
class FileList;
}

// The edit chooser: form "frmChooseFile". Loads a custom vocabulary file into the entry
// store and opens the editor on it in edit mode.
class ChooseFileDialog : public QWidget, public ui::Form
{
    Q_OBJECT

public:
    static constexpr const char *formName = "frmChooseFile";

    ChooseFileDialog();

    void Form_Load() override;

signals:
    // A file was chosen and read: the editor is to open on it in edit mode (the shell does that).
    void fileChosen(const QString &fileName, const QList<VocabEntry> &entries,
                    const ui::FileStamp &asRead);

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    ui::FileList *ChooseFile = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *Label1 = nullptr;
};
