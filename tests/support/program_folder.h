#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary program folder that the program under test uses instead of its own; the real
// data files are copied in on request, so no test touches build/bin.
class ProgramFolder {
public:
  // Copies the named files from the built program folder ("school.txt", "00.jpg", ...).
  explicit ProgramFolder(const QStringList &dataFiles = defaultFiles());
  ~ProgramFolder();

  static QStringList defaultFiles();
  static QByteArray dataFile(const QString &name);

  QString path() const { return m_dir.path(); }
  QString filePath(const QString &name) const;
  QString customPath(const QString &name) const;
  void write(const QString &relativePath, const QByteArray &bytes) const;
  void writeCustom(const QString &name, const QByteArray &bytes) const;
  QByteArray read(const QString &relativePath) const;

private:
  QTemporaryDir m_dir;
};

// Text as a vocabulary file holds it: code page 874.
QByteArray cp874(const QString &text);
