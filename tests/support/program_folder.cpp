#include "support/program_folder.h"

#include "storage/thai_codepage.h"
#include "ui/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ProgramFolder::ProgramFolder(const QStringList &dataFiles) {
  for (const QString &name : dataFiles)
    QFile::copy(QStringLiteral(PINDREL_DATA_DIR "/") + name, filePath(name));
  ui::setProgramFolder(m_dir.path());
}

ProgramFolder::~ProgramFolder() { ui::setProgramFolder({}); }

QStringList ProgramFolder::defaultFiles() {
  QStringList names{QStringLiteral("school.txt"), QStringLiteral("house.txt"),
                    QStringLiteral("animals.txt"), QStringLiteral("help04.hlp")};
  for (int stage = 0; stage <= 9; ++stage)
    names.append(QStringLiteral("0%1.jpg").arg(stage));
  return names;
}

QByteArray ProgramFolder::dataFile(const QString &name) {
  QFile file(QStringLiteral(PINDREL_DATA_DIR "/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ProgramFolder::filePath(const QString &name) const { return m_dir.filePath(name); }

QString ProgramFolder::customPath(const QString &name) const {
  return m_dir.filePath(QStringLiteral("Custom Vocab/") + name);
}

void ProgramFolder::write(const QString &relativePath, const QByteArray &bytes) const {
  const QString path = filePath(relativePath);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly))
    file.write(bytes);
}

void ProgramFolder::writeCustom(const QString &name, const QByteArray &bytes) const {
  write(QStringLiteral("Custom Vocab/") + name, bytes);
}

QByteArray ProgramFolder::read(const QString &relativePath) const {
  QFile file(filePath(relativePath));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray cp874(const QString &text) { return thai_codepage::encode(text).value_or(QByteArray()); }
