#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// The Thai code page 874 of the vocabulary files. Every byte value decodes to one character and
// encodes back to itself: bytes the code page leaves unassigned become private-use characters
// (U+F700 + byte), so a file read and written again keeps its bytes.
namespace thai_codepage {

QString decode(QByteArrayView bytes);

// Nothing when a character cannot be held: no '?' ever stands in for one.
std::optional<QByteArray> encode(QStringView text);

// Position of the first character that the code page cannot hold, or -1.
qsizetype firstUnencodable(QStringView text);
inline bool canEncode(QStringView text)
{
    return firstUnencodable(text) < 0;
}

} // namespace thai_codepage
