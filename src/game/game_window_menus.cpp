// The main window's menu commands and its unload steps.
#include "game/game_window.h"

#include "ui/forms.h"

void GameWindow::mnuCustVocab_Click() { blnBuiltIn = false; emptyDiffList(); }

void GameWindow::mnuExit_Click() { ui::forms::Unload(QString::fromLatin1(formName)); }

void GameWindow::mnuCreate_Click() {}

void GameWindow::mnuEditData_Click() {}

void GameWindow::mnuContents_Click() {}

void GameWindow::mnuAbout_Click() {}

void GameWindow::Form_Unload() {
  for (const char *name : {"frmAbout", "frmSave", "frmSelectCustVocab", "new_vocab"})
    ui::forms::Unload(QString::fromLatin1(name));
}
