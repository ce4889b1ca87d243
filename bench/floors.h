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

// What a save of fields held as strings must do at least: join them into lines, encode them in
// the file's code page, write and sync. No checks.
void encodeWriteAndSync(const QString &path, const QList<QString> &fields, int fieldsPerLine);

} // namespace floors
