#include "support/program_folder.h"

#include "storage/thai_codepage.h"
#include "ui/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ProgramFolder::ProgramFolder()
{
    const QDir built(QStringLiteral(PINDREL_DATA_DIR));
    for (const QString &name : built.entryList({"*.txt", "*.jpg", "*.hlp"}, QDir::Files))
        QFile::copy(built.filePath(name), filePath(name));
    ui::setProgramFolder(m_dir.path());
    qputenv("XDG_DATA_HOME", QFile::encodeName(filePath(QStringLiteral("data"))));
}

ProgramFolder::~ProgramFolder()
{
    ui::setProgramFolder({});
    qputenv("XDG_DATA_HOME", m_dataHome); // empty is as unset: ~/.local/share
}

void ProgramFolder::write(const QString &relativePath, const QByteArray &bytes) const
{
    const QString path = filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray ProgramFolder::read(const QString &relativePath) const
{
    QFile file(filePath(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray cp874(const QString &text)
{
    return thai_codepage::encode(text).value_or(QByteArray());
}
