#include "floors.h"

#include "storage/thai_codepage.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace floors {

QList<QString> readAndDecode(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    const QByteArray bytes = file.readAll();
    QList<QString> fields;
    fields.reserve(bytes.count('|') + bytes.count('\r') + 1);
    const char *start = bytes.constData();
    const char *const end = start + bytes.size();
    for (const char *p = start; p < end; ++p) {
        if (*p != '|' && *p != '\r')
            continue;
        fields.append(thai_codepage::decode(QByteArrayView(start, p)));
        if (*p == '\r' && p + 1 < end && p[1] == '\n')
            ++p;
        start = p + 1;
    }
    if (start < end)
        fields.append(thai_codepage::decode(QByteArrayView(start, end)));
    return fields;
}

void writeAndSync(const QString &path, const QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        qFatal("cannot write %s", qPrintable(path));
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t n
            = ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (n < 0)
            qFatal("cannot write %s", qPrintable(path));
        written += n;
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0)
        qFatal("cannot sync %s", qPrintable(path));
}

void encodeWriteAndSync(const QString &path, const QList<QString> &fields, int fieldsPerLine)
{
    qsizetype length = 0;
    for (const QString &field : fields)
        length += field.size() + 2;
    // Joined as bytes: QString::append slows down many times over once the painting code has left
    // the vector registers' upper halves in use, and a floor should not depend on what ran before.
    QByteArray bytes;
    bytes.reserve(length);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const std::optional<QByteArray> field = thai_codepage::encode(fields[i]);
        if (!field)
            qFatal("cannot encode a field of %s", qPrintable(path));
        bytes += *field;
        bytes += (i + 1) % fieldsPerLine == 0 ? QByteArrayView("\r\n") : QByteArrayView("|");
    }
    writeAndSync(path, bytes);
}

} // namespace floors
