#include "sample_vocabulary.h"

#include <QRandomGenerator>

namespace sample_vocabulary {
namespace {

// Lengths chosen so that a five-field line averages about 46 bytes, as a built-in file
// of 32,766 lines of about 1.5 MB has.
struct FieldShape
{
    bool thai;
    int shortest;
    int longest;
};
constexpr FieldShape shapes[] = {
    {false, 3, 10}, // word
    {false, 6, 14}, // hint one
    {true, 6, 14},  // hint two
    {true, 3, 7},   // meaning
    {false, 4, 12}, // example sentence
};

char englishLetter(QRandomGenerator &random, bool spaces)
{
    const int n = static_cast<int>(random.bounded(spaces ? 27 : 26));
    return n == 26 ? ' ' : static_cast<char>('a' + n);
}

// Thai consonants and vowels (0xA1 to 0xD0) and tone marks (0xE8 to 0xEB).
char thaiByte(QRandomGenerator &random)
{
    const int n = static_cast<int>(random.bounded(0x30 + 4));
    return static_cast<char>(n < 0x30 ? 0xA1 + n : 0xE8 + (n - 0x30));
}

} // namespace

QByteArray make(qsizetype lines, int fields, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes;
    bytes.reserve(lines * 48);
    for (qsizetype line = 0; line < lines; ++line) {
        for (int field = 0; field < fields; ++field) {
            if (field > 0)
                bytes += '|';
            const FieldShape &shape = shapes[field];
            const int length = static_cast<int>(random.bounded(shape.shortest, shape.longest + 1));
            for (int i = 0; i < length; ++i)
                bytes += shape.thai ? thaiByte(random) : englishLetter(random, field > 0);
        }
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace sample_vocabulary
