// The main window's classroom commands: a spreadsheet imported into the editor, a list exported
// or printed, and the folder of the lists opened.
#include "shell/navigation.h"

#include "classroom/choose_list_dialog.h"
#include "classroom/import_report.h"
#include "classroom/lists_folder.h"
#include "classroom/spreadsheet.h"
#include "game/game_window.h"
#include "ui/desktop.h"
#include "ui/file_system.h"
#include "ui/forms.h"
#include "ui/message_box.h"

namespace pindrel {
namespace {

void showListChooser(ChooseListDialog::Purpose purpose)
{
    const GameWindow *game = ui::forms::get<GameWindow>();
    ui::forms::Unload(QString::fromLatin1(ChooseListDialog::formName));
    ui::forms::Show<ChooseListDialog>(
        purpose, game ? game->game().state().vocabularyInUse : VocabularyInUse {});
}

} // namespace

// A file refused whole is only reported. Otherwise the report lists what came in and what did
// not, over the editor holding the good rows; with no good row the editor stays as it was.
void Navigation::mnuImport_Click()
{
    const QString path = ui::GetOpenFileName(
        ui::forms::get<GameWindow>(),
        QStringLiteral("นำเข้าคำศัพท์จากตารางคำนวณ (Import from a spreadsheet)"),
        ui::documentsFolder(), QStringLiteral("ตารางคำนวณ, spreadsheets (*.csv *.tsv *.txt)"));
    if (path.isEmpty())
        return;
    const QString name = ui::shortName(path);
    const spreadsheet::Import import = spreadsheet::read(path);
    if (import.refused()) {
        ui::MsgBox(spreadsheet::describeRefusal(name, import), ui::vbOKExclamation);
        return;
    }
    if (import.ok())
        openEditorOnImport(import.entries);
    ui::forms::Unload(QString::fromLatin1(ImportReport::formName));
    ui::forms::Show<ImportReport>(name, import);
}

void Navigation::mnuExport_Click()
{
    showListChooser(ChooseListDialog::Purpose::Export);
}

void Navigation::mnuPrint_Click()
{
    showListChooser(ChooseListDialog::Purpose::Print);
}

void Navigation::mnuOpenFolder_Click()
{
    lists_folder::open();
}

} // namespace pindrel
