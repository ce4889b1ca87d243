#include "storage/thai_codepage.h"

#include <array>

namespace thai_codepage {
namespace {

constexpr char16_t unassignedBase = 0xF700;

// Characters of the bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> upperHalf = [] {
    std::array<char16_t, 128> table {};
    for (int b = 0x80; b <= 0xFF; ++b)
        table[b - 0x80] = static_cast<char16_t>(unassignedBase + b);
    table[0x80 - 0x80] = 0x20AC; // euro sign
    table[0x85 - 0x80] = 0x2026; // ellipsis
    constexpr char16_t quotesAndDashes[] = {0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014};
    for (int i = 0; i < 7; ++i)
        table[0x91 - 0x80 + i] = quotesAndDashes[i];
    table[0xA0 - 0x80] = 0x00A0;
    for (int b = 0xA1; b <= 0xDA; ++b) // Thai letters, vowels and marks
        table[b - 0x80] = static_cast<char16_t>(0x0E01 + (b - 0xA1));
    for (int b = 0xDF; b <= 0xFB; ++b) // baht sign, more vowels, tone marks, Thai digits
        table[b - 0x80] = static_cast<char16_t>(0x0E3F + (b - 0xDF));
    return table;
}();

// The byte of a character, or -1 when the code page has none.
int byteOf(char16_t c)
{
    if (c < 0x80)
        return c;
    if (c >= 0x0E01 && c <= 0x0E5B) {
        if (c <= 0x0E3A)
            return 0xA1 + (c - 0x0E01);
        if (c >= 0x0E3F)
            return 0xDF + (c - 0x0E3F);
        return -1;
    }
    if (c >= unassignedBase + 0x80 && c <= unassignedBase + 0xFF) {
        const int b = c - unassignedBase;
        return upperHalf[b - 0x80] == c ? b : -1;
    }
    for (int i = 0; i < 128; ++i)
        if (upperHalf[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = b < 0x80 ? char16_t(b) : upperHalf[b - 0x80];
    }
    return text;
}

std::optional<QByteArray> encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text) {
        const int b = byteOf(c.unicode());
        if (b < 0)
            return std::nullopt;
        *out++ = static_cast<char>(b);
    }
    return bytes;
}

qsizetype firstUnencodable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (byteOf(text[i].unicode()) < 0)
            return i;
    return -1;
}

} // namespace thai_codepage
