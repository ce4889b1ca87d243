#include "game/select_cust_vocab.h"

#include "storage/pindrel_module.h"
#include "storage/vocabulary_reader.h"
#include "ui/controls.h"
#include "ui/file_list.h"
#include "ui/file_system.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/twips.h"

#include <QLabel>
#include <QPushButton>

SelectCustVocab::SelectCustVocab()
{
    ui::makeFixedWindow(this, QStringLiteral("Choose data file"), 4680, 3195);
    Label1 = ui::addLabel(this, "Label1", QStringLiteral("เลือกไฟล์ข้อมูลที่ต้องการ"), {600, 240, 3495, 495});
    Label1->setFont(ui::font(QStringLiteral("MS Sans Serif"), 14.25, true));
    File1 = ui::addControl<ui::FileList>(this, "File1", {600, 840, 1935, 1980});
    cmdOK = ui::addButton(this, this, "cmdOK", QStringLiteral("OK"), {3000, 960, 1335, 495},
                          &SelectCustVocab::cmdOK_Click);
    cmdCancel = ui::addButton(this, this, "cmdCancel", QStringLiteral("Cancel"),
                              {3000, 1680, 1335, 495}, &SelectCustVocab::cmdCancel_Click);
}

void SelectCustVocab::Form_Load()
{
    ui::centreOnScreen(this);
    // The main window made the folder at its start, but it may have gone since.
    const QString folder = ui::customVocabFolder();
    if (!ui::folderExists(folder))
        ui::makeFolder(folder);
    File1->setFolder(folder, QStringLiteral("*.txt"));
}

void SelectCustVocab::cmdOK_Click()
{
    pindrelModule::strFileInUse = File1->selectedName();
    if (pindrelModule::strFileInUse.isEmpty()) {
        ui::MsgBox(QStringLiteral("You must choose a file."), ui::vbOKInformation);
        return;
    }

    // Reopening the main window ends the game in progress, so a file that cannot be played
    // must be found out before that: the player keeps the game, the score and the list.
    const QString name = pindrelModule::strFileInUse;
    std::optional<QList<VocabEntry>> entries
        = readVocabulary(ui::customVocabPath(name), VocabularyUse::Custom);
    if (!entries) {
        pindrelModule::strFileInUse.clear();
        return;
    }
    emit fileChosen(name, *entries);
}

void SelectCustVocab::cmdCancel_Click()
{
    ui::forms::Unload(QString::fromLatin1(formName));
}
