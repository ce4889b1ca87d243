#include "storage/choose_file_dialog.h"

#include "storage/vocabulary_reader.h"
#include "ui/controls.h"
#include "ui/file_list.h"
#include "ui/file_system.h"
#include "ui/message_box.h"
#include "ui/twips.h"

#include <QLabel>
#include <QPushButton>

ChooseFileDialog::ChooseFileDialog()
{
    ui::makeFixedWindow(this, QStringLiteral("Form1"), 4680, 3195);
    ChooseFile = ui::addControl<ui::FileList>(this, "ChooseFile", {600, 720, 2295, 2190});
    cmdOK = ui::addButton(this, this, "cmdOK", QStringLiteral("OK"), {3240, 720, 1215, 495},
                          &ChooseFileDialog::cmdOK_Click);
    cmdCancel = ui::addButton(this, this, "cmdCancel", QStringLiteral("Cancel"),
                              {3240, 1560, 1215, 495}, &ChooseFileDialog::cmdCancel_Click);
    Label1 = ui::addLabel(this, "Label1", QStringLiteral("เลือกไฟล์ที่ต้องการแก้ไข"), {840, 360, 1935, 255});
    setTabOrder(ChooseFile, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
}

void ChooseFileDialog::Form_Load()
{
    ui::centreOnScreen(this);
    ChooseFile->setFolder(ui::customVocabFolder(), QStringLiteral("*.txt"));
}

void ChooseFileDialog::cmdOK_Click()
{
    const QString name = ChooseFile->selectedName();
    if (name.isEmpty()) {
        ui::MsgBox(QStringLiteral("กรุณาคลิกเลือกไฟล์ก่อนครับ"), ui::vbOKOnly);
        return;
    }

    // A file that cannot be read leaves everything as it was, so the user can choose another.
    // An empty file is a vocabulary still to be written: the editor opens on no entries.
    ui::FileStamp asRead;
    const std::optional<QList<VocabEntry>> entries
        = readVocabulary(ui::customVocabPath(name), VocabularyUse::Editing, &asRead);
    if (!entries)
        return;

    emit fileChosen(name, *entries, asRead);
}

void ChooseFileDialog::cmdCancel_Click()
{
    ui::forms::Hide(QString::fromLatin1(formName));
}
