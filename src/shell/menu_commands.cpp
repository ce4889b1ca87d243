// The main window's menu commands but the choice of vocabulary: help, making and editing
// vocabulary, About and Exit.
#include "shell/navigation.h"

#include "editor/vocab_editor.h"
#include "game/game_window.h"
#include "shell/about.h"
#include "storage/choose_file_dialog.h"
#include "storage/pindrel_module.h"
#include "ui/forms.h"
#include "ui/help_viewer.h"

namespace pindrel {

void Navigation::mnuContents_Click()
{
    ui::WinHelp(ui::forms::get<GameWindow>(), ui::helpFile(), ui::HELP_CONTENTS, 0);
}

// A new vocabulary always starts from an empty editor, even when one is open with unsaved
// entries. The game's vocabulary is not the editor's business: the game plays on as it was.
void Navigation::mnuCreate_Click()
{
    pindrelModule::strEditFile.clear();
    ui::forms::Unload(QString::fromLatin1(VocabEditor::formName));
    ui::forms::Show<VocabEditor>();
}

void Navigation::mnuEditData_Click()
{
    ui::forms::Show<ChooseFileDialog>();
}

void Navigation::mnuExit_Click()
{
    ui::forms::Unload(QString::fromLatin1(GameWindow::formName));
}

void Navigation::mnuAbout_Click()
{
    ui::forms::Show<About>();
}

} // namespace pindrel
