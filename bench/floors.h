#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The least that loading or saving a vocabulary file can cost on this machine: the floors that
// the program's figures stand beside.
namespace floors {

// No checks, no records, no program logic: the file's bytes read and each field made a string.
QList<QString> readAndDecode(const QString &path);

// The bytes written into the file and synced to the disk, as a save that keeps them must do.
void writeAndSync(const QString &path, const QByteArray &bytes);

} // namespace floors
