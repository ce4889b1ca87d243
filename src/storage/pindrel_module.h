#pragma once

#include "ui/file_system.h"

#include <QString>
#include <QStringList>

// The state and procedures that the windows share.
namespace pindrelModule {

// The custom vocabulary file (name with ".txt", without folder) that the next load of the
// main window reads instead of "school.txt"; empty means none.
extern QString strFileInUse;

// The editor's entry store: three parallel lists of one upper bound, lower bound 0.
extern QStringList arrVocab;
extern QStringList arrHint01;
extern QStringList arrHint02;
// Empty: the editor makes a new vocabulary; otherwise the name of the file being edited.
extern QString strEditFile;
// What that file held when it was opened: a save asks before it replaces a file changed since.
extern ui::FileStamp editFileAsRead;

bool DirExists(const QString &path);

// Writes the store into "Custom Vocab" as the file named by fileName's base name plus ".txt"
// (fileName is cut to that base name; callers pass a copy), or into the file there whose name
// differs from it only in case, and names that file in strFileInUse. The caller then says so, and
// the shell reopens the main window on it. A store that cannot be written as it is, or a file
// that cannot be written, is reported and changes nothing: the result is false.
bool SaveData(QString &fileName);

} // namespace pindrelModule
