#include "ui/file_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ui {
namespace {
QString &folderOverride() {
  static QString folder;
  return folder;
}
} // namespace

QString programFolder() {
  if (!folderOverride().isEmpty())
    return folderOverride();
  return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString &folder) { folderOverride() = folder; }

QString programPath(const QString &name) { return programFolder() + QLatin1Char('/') + name; }

QString customVocabFolder() { return programPath(QStringLiteral("Custom Vocab")); }

QString customVocabPath(const QString &name) {
  return customVocabFolder() + QLatin1Char('/') + name;
}

QString shortName(const QString &path) {
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  return slash < 0 ? path : path.mid(slash + 1);
}

bool folderExists(const QString &path) { return QFileInfo(path).isDir(); }

bool fileExists(const QString &path) {
  const QFileInfo info(path);
  return info.exists() && !info.isDir();
}

bool makeFolder(const QString &path) { return QDir().mkpath(path) && folderExists(path); }

bool folderWritable(const QString &path) {
  const QFileInfo info(path);
  return info.isDir() && info.isWritable();
}

QStringList matchingFiles(const QString &folder, const QString &pattern) {
  return QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name);
}

QString firstMatch(const QString &folder, const QString &pattern) {
  const QStringList names = matchingFiles(folder, pattern);
  return names.isEmpty() ? QString() : names.first();
}

FileBytes readWholeFile(const QString &path) {
  const QFileInfo info(path);
  if (!info.exists())
    return {{}, QStringLiteral("not found")};
  if (info.isDir())
    return {{}, QStringLiteral("it is a folder")};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {{}, file.errorString()};
  FileBytes result{file.readAll(), {}};
  if (file.error() != QFileDevice::NoError)
    return {{}, file.errorString()};
  return result;
}

QString writeFileAtomically(const QString &path, const QByteArray &bytes) {
  if (QFileInfo(path).isDir())
    return QStringLiteral("a folder of that name is in the way");
  QSaveFile file(path);
  // Unbuffered, so that a full disk fails the write itself: the commit does not notice a
  // buffer that could not be flushed, and would put an empty file in place of the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return file.errorString();
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  if (!file.commit())
    return file.errorString();
  return {};
}

} // namespace ui
