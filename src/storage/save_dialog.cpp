#include "storage/save_dialog.h"

#include "storage/pindrel_module.h"
#include "storage/save_name.h"
#include "ui/controls.h"
#include "ui/file_list.h"
#include "ui/file_system.h"
#include "ui/message_box.h"
#include "ui/one_line_box.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SaveDialog::SaveDialog()
{
    ui::makeFixedWindow(this, QStringLiteral("Save"), 7380, 3780);
    File1 = ui::addControl<ui::FileList>(this, "File1", {1800, 840, 2415, 1770});
    // A click names the file also when it is the one already selected; keys select too.
    connect(File1, &QListWidget::itemClicked, this, [this] { File1_Click(); });
    connect(File1, &QListWidget::itemSelectionChanged, this, &SaveDialog::File1_Click);
    Label1 = ui::addLabel(this, "Label1", QStringLiteral("File Name:"), {600, 2960, 855, 375});
    cmdSave = ui::addButton(this, this, "cmdSave", QStringLiteral("Save"), {5520, 480, 1575, 495},
                            &SaveDialog::cmdSave_Click);
    Command2 = ui::addButton(this, this, "Command2", QStringLiteral("Cancel"),
                             {5520, 1200, 1575, 495}, &SaveDialog::Command2_Click);
    Label2 = ui::addLabel(this, "Label2", QStringLiteral("Data file(s) created earlier. (if any)"),
                          {1800, 480, 2415, 255});
    Text1 = ui::addControl<ui::OneLineBox>(this, "Text1", {1560, 3000, 3375, 315});
    // Where the file goes, below the name: read-only, so the path can be selected and copied,
    // and out of the tab order.
    lblFolder = ui::addLabel(this, "lblFolder", QStringLiteral("Folder:"), {600, 3420, 855, 255});
    txtFolder = ui::addControl<ui::OneLineBox>(this, "txtFolder", {1560, 3390, 5535, 315});
    txtFolder->setReadOnly(true);
    txtFolder->setFocusPolicy(Qt::ClickFocus);
    // Labels take no focus, so the tab order runs over the other four.
    setTabOrder(File1, cmdSave);
    setTabOrder(cmdSave, Command2);
    setTabOrder(Command2, Text1);
}

void SaveDialog::Form_Load()
{
    ui::centreOnScreen(this);
    // The folder may have gone since the main window made it; without it the list is empty.
    const QString folder = ui::customVocabFolder();
    if (!pindrelModule::DirExists(folder))
        ui::makeFolder(folder);
    File1->setFolder(folder, QStringLiteral("*.txt"));
    txtFolder->setStoredText(folder);
    txtFolder->setCursorPosition(0);
}

void SaveDialog::File1_Click()
{
    if (!File1->selectedName().isEmpty())
        Text1->setText(File1->selectedName());
}

void SaveDialog::cmdSave_Click()
{
    strFileName = Text1->text();
    const save_name::Problem problem = save_name::check(strFileName);
    if (problem != save_name::Problem::None) {
        msgAnswer = static_cast<qint16>(
            ui::MsgBox(save_name::message(problem, strFileName), ui::vbOKExclamation));
        return;
    }
    // Anything of that name is asked about: a file, a link (also one to nothing), the same name
    // in other letter case.
    if (!save_name::existingName(save_name::targetFileName(strFileName),
                                 ui::fileNames(ui::customVocabFolder()))
             .isNull()) {
        msgAnswer = static_cast<qint16>(
            ui::MsgBox(save_name::overwriteQuestion(strFileName), ui::vbYesNoQuestion));
        if (msgAnswer != ui::vbYes)
            return;
    }
    QString fileName = strFileName;
    if (pindrelModule::SaveData(fileName))
        emit saved();
}

void SaveDialog::Command2_Click()
{
    ui::forms::Unload(QString::fromLatin1(formName));
}
