// Feeds any bytes to the vocabulary reader as a file, as a damaged or hostile file would reach
// it: through the opening step and the parser, with the limits the game and the editor use.
#include "storage/thai_codepage.h"
#include "storage/vocabulary_file.h"
#include "ui/file_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>

// The first byte says which kind of file the rest is read as: custom or built-in.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int fields = data[0] % 2 ? vocabulary_file::builtInFields : vocabulary_file::customFields;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));

    // Every byte decodes to a character that encodes back to the same byte.
    if (thai_codepage::encode(thai_codepage::decode(bytes)) != bytes)
        std::abort();

    // The opening step gives the file's bytes, all of them and no more.
    static const QString path = QDir::temp().filePath(
        QStringLiteral("fuzz-vocabulary-%1.txt").arg(QCoreApplication::applicationPid()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    if (ui::readWholeFile(path, vocabulary_file::maxFileBytes).bytes != bytes)
        std::abort();
    const auto contents = vocabulary_file::read(path, fields);
    if (contents.entries.size() > vocabulary_file::maxRecords
        || contents.ok() == contents.entries.isEmpty())
        std::abort();
    for (const VocabEntry &entry : contents.entries) {
        // A field never holds a line end or a separator, nor more than a text box holds, and the
        // custom kind keeps no meaning.
        for (const QString *field :
             {&entry.word, &entry.hint01, &entry.hint02, &entry.meaning, &entry.sentence})
            if (field->contains(QLatin1Char('\r')) || field->contains(QLatin1Char('|'))
                || field->size() > vocabulary_file::maxFieldLength)
                std::abort();
        if (fields == vocabulary_file::customFields
            && !(entry.meaning.isEmpty() && entry.sentence.isEmpty()))
            std::abort();
    }
    return 0;
}
