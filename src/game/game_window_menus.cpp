// The main window's menu commands, but the choice of vocabulary, and its unload steps.
#include "game/game_window.h"

#include "editor/vocab_editor.h"
#include "game/select_cust_vocab.h"
#include "shell/about.h"
#include "storage/choose_file_dialog.h"
#include "storage/pindrel_module.h"
#include "ui/forms.h"
#include "ui/help_viewer.h"

#include <QAction>

// The dialog answers later: the list is emptied and the meanings switched off at once,
// and Cancel does not bring them back.
void GameWindow::mnuCustVocab_Click() {
  blnBuiltIn = false;
  ui::forms::Show<SelectCustVocab>();
  emptyDiffList();
}

void GameWindow::mnuContents_Click() { ui::WinHelp(this, ui::helpFile(), ui::HELP_CONTENTS, 0); }

// A new vocabulary always starts from an empty editor, even when one is open with unsaved
// entries. The game's vocabulary is not the editor's business, so blnBuiltIn stays as it is.
void GameWindow::mnuCreate_Click() {
  pindrelModule::strEditFile.clear();
  ui::forms::Unload(QString::fromLatin1(VocabEditor::formName));
  ui::forms::Show<VocabEditor>();
}

void GameWindow::mnuEditData_Click() { ui::forms::Show<ChooseFileDialog>(); }

void GameWindow::mnuExit_Click() { ui::forms::Unload(QString::fromLatin1(formName)); }

void GameWindow::mnuAbout_Click() { ui::forms::Show<About>(); }

void GameWindow::Form_Unload() {
  ui::WinHelp(this, {}, ui::HELP_QUIT, 0);
  for (const char *name : {"frmAbout", "frmSave", "frmSelectCustVocab", "new_vocab"})
    ui::forms::Unload(QString::fromLatin1(name));
}
