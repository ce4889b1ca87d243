#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// File and folder services. Every path the program builds starts at the program folder.
namespace ui {

QString programFolder();
// Tests point the program at a temporary folder of their own.
void setProgramFolder(const QString &folder);

// folder + "/" + name, the one way paths are built.
QString programPath(const QString &name);
// The user's own data folder: "pindrel" in the XDG data home (~/.local/share).
QString userDataFolder();
// "Custom Vocab" beside the program; for a program folder that cannot be written to (an installed
// copy), "Custom Vocab" in the user's data folder.
QString customVocabFolder();
// "pindrel" in the user's data folder: $XDG_DATA_HOME, or ~/.local/share when that is unset or
// not an absolute path (the XDG rules say a relative one is to be ignored).
QString userDataFolder();
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
// sorted by name so that "the first match" is the same on every machine. Hidden files (a name
// that begins with ".") are left out, as a file manager leaves them out.
QStringList matchingFiles(const QString &folder, const QString &pattern);
QString firstMatch(const QString &folder, const QString &pattern);
// Every name in folder but those of folders: files, hidden ones, links (also to nothing).
QStringList fileNames(const QString &folder);

struct FileBytes
{
    enum class Problem { None, Missing, Folder, NotRegular, TooLarge, Unreadable };
    QByteArray bytes;
    Problem problem = Problem::None;
    QString error;       // the system's reason, for Unreadable
    qint64 modified = 0; // the file's modification time, in nanoseconds since the epoch
    bool ok() const { return problem == Problem::None; }
};
// One read of a whole file. Only a regular file is read (links are followed): a device, a pipe
// or a socket could give bytes without end or never answer. A file larger than maxBytes is
// refused, before reading and while reading, as a file can grow.
FileBytes readWholeFile(const QString &path, qint64 maxBytes);

// What a file held when it was read: enough to tell later whether it has been changed since,
// by another copy of the program, say.
struct FileStamp
{
    bool exists = false;
    qint64 size = 0;
    qint64 modified = 0;
    QByteArray digest; // of the bytes
};
FileStamp stampOf(const FileBytes &file);
// Whether the file at path still holds the bytes the stamp was taken of; a file that is gone
// matches only the stamp of none. A new time alone is no change: the bytes decide.
bool unchangedSince(const QString &path, const FileStamp &stamp, qint64 maxBytes);

// Writes through a temporary file in the same folder renamed over the target, so a failed
// write leaves any earlier file whole. A link at path is replaced itself, never followed: what
// it points to stays as it was. Returns the system's reason, or a null string.
QString writeFileAtomically(const QString &path, const QByteArray &bytes);

// Removes the temporary files that a write cut short (by a signal, a power cut) left in folder.
// Only those older than a minute: another copy of the program may be writing one now.
void removeStaleTemporaryFiles(const QString &folder);

// Tests count the files read; null to stop.
void setFileReadObserver(std::function<void(const QString &path)> observer);

} // namespace ui
