// Feeds any bytes to the vocabulary reader, as a damaged or hostile file would.
#include "storage/thai_codepage.h"
#include "storage/vocabulary_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

  // Every byte decodes to a character that encodes back to the same byte.
  if (thai_codepage::encode(thai_codepage::decode(bytes)) != bytes.toByteArray())
    std::abort();

  for (const int fields : {vocabulary_file::customFields, vocabulary_file::builtInFields}) {
    const auto contents = vocabulary_file::parse(bytes, fields, 64);
    if (contents.entries.size() > 64)
      std::abort();
    if (contents.ok() == contents.entries.isEmpty())
      std::abort();
    for (const VocabEntry &entry : contents.entries) {
      // A field never holds a line end or a separator, nor more than a text box holds, and the
      // custom kind keeps no meaning.
      for (const QString *field : {&entry.word, &entry.hint01, &entry.hint02, &entry.meaning, &entry.sentence})
        if (field->contains(QLatin1Char('\r')) || field->contains(QLatin1Char('|')) ||
            field->size() > vocabulary_file::maxFieldLength)
          std::abort();
      if (fields == vocabulary_file::customFields && !(entry.meaning.isEmpty() && entry.sentence.isEmpty()))
        std::abort();
    }
  }
  return 0;
}
