#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// File and folder services. Every path the program builds starts at the program folder.
namespace ui {

QString programFolder();
// Tests point the program at a temporary folder of their own.
void setProgramFolder(const QString &folder);

// folder + "/" + name, the one way paths are built.
QString programPath(const QString &name);
QString customVocabFolder();
QString customVocabPath(const QString &name);

// The part of a path after its last separator.
QString shortName(const QString &path);

bool folderExists(const QString &path);
bool fileExists(const QString &path);
bool makeFolder(const QString &path);
// Whether files can be made in the folder: false on a read-only file system, or for a user
// who may not write there (an installed copy).
bool folderWritable(const QString &path);

// Names of the files (not folders) in folder that match a wildcard pattern such as "*.txt",
// sorted by name so that "the first match" is the same on every machine.
QStringList matchingFiles(const QString &folder, const QString &pattern);
QString firstMatch(const QString &folder, const QString &pattern);

struct FileBytes {
  QByteArray bytes;
  QString error; // the system's reason; empty when the read succeeded
  bool ok() const { return error.isNull(); }
};
// One read of the whole file.
FileBytes readWholeFile(const QString &path);

// Writes through a temporary file in the same folder renamed over the target, so a failed
// write leaves any earlier file whole. Returns the system's reason, or a null string.
QString writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace ui
