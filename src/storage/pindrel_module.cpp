#include "storage/pindrel_module.h"

#include "ui/file_system.h"

namespace pindrelModule {

QString strFileInUse;
QStringList arrVocab;
QStringList arrHint01;
QStringList arrHint02;
QString strEditFile;

bool DirExists(const QString &path) { return ui::folderExists(path); }

} // namespace pindrelModule
