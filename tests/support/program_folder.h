#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder that the program under test uses instead of its own, holding a
// copy of every vocabulary, picture and help file of the built one; no test touches build/bin.
// The user's data folder (the review list) is its "data/pindrel" while it lives.
class ProgramFolder
{
public:
    ProgramFolder();
    ~ProgramFolder();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // A file in "Custom Vocab", or the folder itself for an empty name.
    QString customPath(const QString &name) const { return filePath("Custom Vocab/" + name); }
    void write(const QString &relativePath, const QByteArray &bytes) const;
    void writeCustom(const QString &name, const QByteArray &bytes) const
    {
        write("Custom Vocab/" + name, bytes);
    }
    QByteArray read(const QString &relativePath) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_dataHome = qgetenv("XDG_DATA_HOME");
};

// Text as a vocabulary file holds it: code page 874.
QByteArray cp874(const QString &text);
