// The editor's save button: a new vocabulary is named in the save dialog; a file being
// edited is written back at once.
#include "editor/vocab_editor.h"

#include "storage/pindrel_module.h"
#include "storage/save_dialog.h"
#include "ui/forms.h"

void VocabEditor::cmdSave_Click() {
  if (pindrelModule::strEditFile.isEmpty()) {
    ui::forms::Show<SaveDialog>();
    return;
  }
  // A failed write keeps the file's name, so the user can correct the entry and save again.
  QString fileName = pindrelModule::strEditFile;
  if (pindrelModule::SaveData(fileName))
    pindrelModule::strEditFile.clear();
}
