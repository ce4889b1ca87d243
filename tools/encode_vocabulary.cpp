// Turns a vocabulary kept readable in the repository (UTF-8, LF) into the file the program
// reads (code page 874, CR LF).
#include "storage/thai_codepage.h"

#include <QFile>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: encode_vocabulary SOURCE.txt TARGET.txt\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "encode_vocabulary: cannot read %s\n", argv[1]);
        return 1;
    }
    QString text = QString::fromUtf8(source.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const std::optional<QByteArray> bytes = thai_codepage::encode(text);
    if (!bytes) {
        std::fprintf(stderr, "encode_vocabulary: %s holds characters outside code page 874\n", argv[1]);
        return 1;
    }
    QFile target(QString::fromLocal8Bit(argv[2]));
    if (!target.open(QIODevice::WriteOnly) || target.write(*bytes) != bytes->size() || !target.flush()) {
        std::fprintf(stderr, "encode_vocabulary: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
