// The Thai code page at the file's edge.
#include "storage/thai_codepage.h"

#include <QtTest>

#include <iconv.h>

#include <memory>
#include <numeric>

class ThaiCodepageTest : public QObject
{
    Q_OBJECT

private slots:
    // Guards against a wrong or swapped character anywhere in the table, checked byte by byte
    // against glibc's WINDOWS-874, and a byte that changes on its way through a read and a write.
    void everyByteIsItsReferenceCharacterAndRoundTrips()
    {
        QByteArray all(256, Qt::Uninitialized);
        std::iota(all.begin(), all.end(), char(0));
        const QString text = thai_codepage::decode(all);
        QCOMPARE(thai_codepage::encode(text).value_or(QByteArray()), all);
        const iconv_t windows874 = iconv_open("UTF-16LE", "WINDOWS-874");
        QVERIFY(windows874 != reinterpret_cast<iconv_t>(-1));
        const std::unique_ptr<void, int (*)(iconv_t)> closer(windows874, iconv_close);
        for (int b = 0; b < 256;
             ++b) { // a byte the reference does not know is ours to keep: U+F700 + byte
            char16_t character = 0;
            char byte = static_cast<char>(b), *in = &byte, *out = reinterpret_cast<char *>(&character);
            size_t inLeft = 1, outLeft = sizeof character;
            const bool known = iconv(windows874, &in, &inLeft, &out, &outLeft) != size_t(-1);
            QCOMPARE(std::pair(b, int(text.at(b).unicode())),
                     std::pair(b, known ? int(character) : 0xF700 + b));
        }
    }

    // Guards against '?' written in place of a character the code page cannot hold.
    void charactersOutsideTheCodePageAreRefused()
    {
        const std::pair<QString, int> texts[] = {// each with the first character it cannot hold
                                                 {"cat 😺", 4},
                                                 {"猫", 0},
                                                 {"café", 3},
                                                 {QString(QChar(0x0E3B)), 0},
                                                 {"cat|แมว", -1}};
        for (const auto &[text, position] : texts) {
            QCOMPARE(std::pair(text, int(thai_codepage::firstUnencodable(text))),
                     std::pair(text, position));
            QCOMPARE(std::pair(text, thai_codepage::encode(text).has_value()),
                     std::pair(text, position < 0));
        }
    }
};

QTEST_GUILESS_MAIN(ThaiCodepageTest)
#include "test_thai_codepage.moc"
