// Reading and writing vocabulary files: the code page, line ends, blank lines, fields and the
// limits; the review list's file, which carries the words' boxes too; and the three vocabularies
// that ship with the program, as the build left them beside it.
#include "storage/review_file.h"
#include "storage/thai_codepage.h"
#include "storage/vocabulary_file.h"
#include "support/program_folder.h"
#include "ui/file_system.h"
#include "ui/text_lines.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

using vocabulary_file::Problem;

// Each entry with its five fields.
static QStringList shown(const QList<VocabEntry> &entries)
{
    QStringList rows;
    for (const VocabEntry &e : entries)
        rows.append(QStringList {e.word, e.hint01, e.hint02, e.meaning, e.sentence}.join(u'|'));
    return rows;
}

// The part of a hint that gives its word away, or an empty string: four or more letters of the
// word in a row anywhere in the hint ("engl" in England for english, "room" for bedroom), or
// the word itself, or with an "s", as a word of the hint ("cat", "cats"). Shorter parts are let
// through, as "the" or "and" stand in too many words by chance.
static QString giveAway(const QString &word, const QString &hint)
{
    static const QRegularExpression letters(QStringLiteral("[a-z]+"));
    const QString target = word.toLower();
    const QString text = hint.toLower();
    for (qsizetype length = target.size(); length >= 4; --length)
        for (qsizetype at = 0; at + length <= target.size(); ++at)
            if (text.contains(target.mid(at, length)))
                return target.mid(at, length);
    for (const QRegularExpressionMatch &match : letters.globalMatch(text))
        if (match.captured() == target || match.captured() == target + QLatin1Char('s'))
            return match.captured();
    return {};
}

class VocabularyFileTest : public QObject
{
    Q_OBJECT

private slots:
    // Guards against line ends read the wrong way (CR LF and CR end a line, LF alone only in
    // UTF-8), blank lines counted as words, a file of blank lines taken for one with words, a
    // record too many let through; fields trimmed, extra fields kept, missing fields invented, a
    // custom file read with the built-in fields (a "|" in hint one splits it into hint two); a
    // UTF-8 file misread (with or without its mark, with CR LF or LF ends, the mark no part of the
    // first word); and a UTF-16 file read at all.
    void entriesAreReadAsTheFileHasThem_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("fields");
        const auto row
            = [](const char *tag, const QByteArray &bytes, const QStringList &entries,
                 Problem problem = Problem::None, int fields = vocabulary_file::customFields) {
                  QTest::newRow(tag) << bytes << entries << int(problem) << fields;
              };
        row("lone cr", "a\rb\r", {"a||||", "b||||"});
        row("lone lf stays", "a\nb\r\n", {"a\nb||||"});
        row("cr then crlf, no end on the last", "a\r\r\nb", {"a||||", "b||||"});
        row("blank lines skipped", "\r\na|b\r\n   \r\n\r\nd|e|f", {"a|b|||", "d|e|f||"});
        row("only blanks", "\r\n  \r\n\r", {}, Problem::NoRecords);
        row("32,766 records", QByteArray("a|b\r").repeated(32766), QStringList(32766, "a|b|||"));
        row("32,767 records", QByteArray("a|b\r").repeated(32767), {}, Problem::TooManyRecords);
        const QByteArray fields
            = cp874(QStringLiteral(" Apple |hint one|หนึ่ง|แอปเปิ้ล|An apple.|extra\r\n"
                                   "cat|a|b|c\r\nice|cold|ice|hint two|after\r\nowl\r\n"));
        row("built-in fields", fields,
            {" Apple |hint one|หนึ่ง|แอปเปิ้ล|An apple.", "cat|a|b|c|", "ice|cold|ice|hint two|after",
             "owl||||"},
            Problem::None, vocabulary_file::builtInFields);
        row("custom fields", fields,
            {" Apple |hint one|หนึ่ง||", "cat|a|b||", "ice|cold|ice||", "owl||||"});
        const QString crlf = QStringLiteral("cat|a pet|สัตว์เลี้ยง\r\nowl|hoots|นกฮูก\r\n");
        const QByteArray lf = QString(crlf).remove(u'\r').toUtf8();
        const QStringList thai {"cat|a pet|สัตว์เลี้ยง||", "owl|hoots|นกฮูก||"};
        row("utf-8 with a mark, crlf", "\xEF\xBB\xBF" + crlf.toUtf8(), thai);
        row("utf-8 without a mark, lf", lf, thai);
        row("utf-16", QByteArray("\xFF\xFE\x63\0a\0t\0", 8), {}, Problem::Utf16);
    }
    void entriesAreReadAsTheFileHasThem()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fields);
        const auto contents = vocabulary_file::parse(bytes, fields);
        QTEST(shown(contents.entries), "entries");
        QTEST(int(contents.problem), "problem");
    }

    // Guards against a code page 874 file taken for UTF-8: every Thai text of the built-in files,
    // whole, word by word and in pairs of words; two words that are valid UTF-8 without Thai; and
    // Thai in UTF-8 followed by what UTF-8 cannot be.
    void codePage874IsNeverTakenForUtf8()
    {
        using vocabulary_file::Encoding;
        const QStringList names {"school.txt", "house.txt", "animals.txt"};
        QStringList thaiTexts;
        for (const QString &name : names) {
            const QByteArray bytes = ProgramFolder().read(name);
            QCOMPARE(std::pair(name, int(vocabulary_file::encodingOf(bytes))),
                     std::pair(name, int(Encoding::Cp874)));
            for (const VocabEntry &entry :
                 vocabulary_file::parse(bytes, vocabulary_file::builtInFields).entries)
                for (const QString &field : {entry.hint02, entry.meaning}) {
                    const QStringList words = field.split(u' ', Qt::SkipEmptyParts);
                    thaiTexts << field << words;
                    for (qsizetype i = 1; i < words.size(); ++i)
                        thaiTexts << words[i - 1] + u' ' + words[i];
                }
        }
        QVERIFY(thaiTexts.size() > 500);
        thaiTexts << QStringLiteral("ยก")
                  << QStringLiteral("ยน"); // valid UTF-8 in code page 874, but no Thai in it
        for (const QString &text : thaiTexts)
            QCOMPARE(std::pair(text, int(vocabulary_file::encodingOf(cp874(text)))),
                     std::pair(text, int(Encoding::Cp874)));
        const QByteArray thaiUtf8 = QStringLiteral("แมว").toUtf8();
        for (const QByteArray &broken :
             {QByteArray("\xC0\x80"), QByteArray("\xE0\x80\x80"), QByteArray("\xED\xA0\x80"),
              QByteArray("\xF4\x90\x80\x80"), QByteArray("\xE0\xB8")})
            QCOMPARE(std::pair(broken, int(vocabulary_file::encodingOf(thaiUtf8 + broken))),
                     std::pair(broken, int(Encoding::Cp874)));
    }

    // Guards against a read that never ends or never returns (a device, a pipe, a file that grows
    // without end), a huge file read whole before its size is looked at, and files offered in a
    // list that a file manager hides or whose names cannot be written back.
    void onlyOrdinaryFilesOfAWordListsSizeAreRead()
    {
        QTemporaryDir dir;
        const auto path = [&dir](const char *name) { return dir.filePath(QLatin1String(name)); };
        using P = ui::FileBytes::Problem;
        using V = vocabulary_file::Problem;
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path("zero.txt")));
        QCOMPARE(::mkfifo(QFile::encodeName(path("fifo.txt")).constData(), 0644), 0);
        const auto make = [&path](const char *name, qint64 size) {
            QFile file(path(name));
            return file.open(QIODevice::WriteOnly) && file.resize(size);
        };
        QVERIFY(make("big.txt", vocabulary_file::maxFileBytes + 1) && make("edge.txt", 1000));
        for (const QByteArray name : {".hidden.txt", "bad\xff.txt"}) // hidden, or a name that is not text
            ::close(::creat(QFile::encodeName(dir.path()) + '/' + name, 0644));
        const QStringList listed = ui::matchingFiles(dir.path(), QStringLiteral("*.txt"));
        ::unlink(QFile::encodeName(dir.path()) + "/bad\xff.txt"); // which QTemporaryDir cannot remove
        QCOMPARE(listed, QStringList({"big.txt", "edge.txt", "zero.txt"}));
        // The file, the bound, and why its bytes cannot be had, as a file and as a word list.
        const std::tuple<QString, qint64, P, V> cases[]
            = {{path("gone.txt"), 1000, P::Missing, V::Missing},
               {dir.path(), 1000, P::Folder, V::NotAFile},
               {path("zero.txt"), 1000, P::NotRegular, V::NotRegular},
               {path("fifo.txt"), 1000, P::NotRegular, V::NotRegular},
               {path("big.txt"), vocabulary_file::maxFileBytes, P::TooLarge, V::TooLarge},
               {path("edge.txt"), 1000, P::None, V::None},
               {path("edge.txt"), 999, P::TooLarge, V::TooLarge},
               // Its size says 0, yet it holds more: the bound holds while reading too.
               {QStringLiteral("/proc/self/status"), 100, P::TooLarge, V::TooLarge}};
        for (const auto &[file, limit, problem, refusal] : cases) {
            const ui::FileBytes read = ui::readWholeFile(file, limit);
            QCOMPARE(std::tuple(file, int(read.problem), int(vocabulary_file::refusalOf(read).problem)),
                     std::tuple(file, int(problem), int(refusal)));
            QCOMPARE(read.bytes.size(), problem == P::None ? 1000 : 0);
        }
        QCOMPARE(int(vocabulary_file::read(path("big.txt"), 3).problem),
                 int(vocabulary_file::Problem::TooLarge));
    }

    // Guards against a save that writes what cannot be read back as the same entries: a line
    // break inside a field, a field or a file longer than the reader takes, a character the code
    // page lacks; and against the first entry at fault not being the one named.
    void textOfASaveReadsBackOrIsRefused()
    {
        using P = vocabulary_file::Text::Problem;
        const QString longField(vocabulary_file::maxFieldLength + 1, u'x');
        const QString hint(vocabulary_file::maxFieldLength, u'x');
        const std::tuple<QString, QStringList, P, qsizetype> cases[]
            = {{"lone lf kept", {"ok", "a\nb"}, P::None, -1},
               {"carriage return", {"ok", "a\rb"}, P::LineBreak, 1},
               {"field too long", {"ok", "ok", longField}, P::FieldTooLong, 2},
               {"emoji", {"ok", "🐶"}, P::Unencodable, 1},
               {"too large", QStringList(1100, hint), P::TooLarge, -1}}; // two such hints a line
        for (const auto &[tag, hints, problem, index] : cases) {
            const QStringList words(hints.size(), QStringLiteral("w"));
            const auto text = vocabulary_file::entriesText(words, hints, hints, 0, hints.size() - 1);
            QCOMPARE(std::tuple(tag, int(text.problem), text.index),
                     std::tuple(tag, int(problem), index));
            QVERIFY(!text.ok() || text.bytes.endsWith("w|a\nb|a\nb\r\n")); // as the reader takes it
        }
    }

    // Guards against a save that replaces a file changed since it was read without asking (the
    // bytes decide, not the time alone), temporary files of a cut-short write left for good or
    // taken from a copy writing now, and a relative XDG_DATA_HOME taken for the data folder.
    void fileServicesRememberCleanAndFindTheirFolders()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("keep.txt"));
        const auto write = [&path](const QByteArray &bytes) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        const auto touch = [](const QString &file, qint64 secondsAgo) {
            const timespec when {time(nullptr) - secondsAgo, 0};
            const timespec times[2] {when, when};
            return ::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0) == 0;
        };
        QVERIFY(write("owl|hoots|wise\r\n") && touch(path, 100));
        const ui::FileStamp read = vocabulary_file::read(path, 3).stamp;
        QVERIFY(ui::unchangedSince(path, read, 1 << 20));
        QVERIFY(touch(path, 0) && ui::unchangedSince(path, read, 1 << 20)); // a new time alone
        QVERIFY(write("owl|hoots|wise\r\nbird|flies|high\r\n"));
        QVERIFY(!ui::unchangedSince(path, read, 1 << 20));
        QVERIFY(QFile::remove(path) && !ui::unchangedSince(path, read, 1 << 20));
        QVERIFY(ui::unchangedSince(path, {}, 1 << 20)); // none then, none now

        for (const char *name : {".pindrel-OLDone", ".pindrel-NEWone", ".pindrel-toolong", ".other"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly)
                    && touch(file.fileName(), file.fileName().contains(u"NEW") ? 0 : 120));
        }
        ui::removeStaleTemporaryFiles(dir.path());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({".other", ".pindrel-NEWone", ".pindrel-toolong"}));

        for (const QString &home : {dir.path(), QStringLiteral("relative/share")}) {
            qputenv("XDG_DATA_HOME", QFile::encodeName(home));
            QCOMPARE(ui::userDataFolder(),
                     (home.startsWith(u'/') ? home : QDir::homePath() + "/.local/share") + "/pindrel");
        }
        qunsetenv("XDG_DATA_HOME");
    }

    // Guards against a review list that does not come back as written (five fields, Thai, its
    // boxes, in code page 874), loses a character code page 874 has not (that list is UTF-8), or
    // reads what the program never writes (a box not 1 to 3, a field too few or too many).
    void aReviewListReadsBackOnlyAsItWasWritten()
    {
        const QList<VocabEntry> entries {{"cat", "pet", "แมว", "แมว", "Cat."},
                                         {"owl", "🦉", "", "", ""}};
        const QList<qint8> boxes {2, 3};
        for (const qsizetype n : {1, 2}) { // code page 874, then UTF-8
            const auto back = review_file::parse(review_file::text(entries.first(n), boxes.first(n)));
            QCOMPARE(back.boxes, boxes.first(n));
            QCOMPARE(shown(back.entries), shown(entries.first(n)));
        }
        QCOMPARE(review_file::text(entries.first(1), {2}), cp874("cat|pet|แมว|แมว|Cat.|2\r\n"));
        for (const char *bad : {"a|b|c|d|e|4\r\n", "a|b|c|d|e\r\n", "a|b|c|d|e|1|1\r\n"})
            QCOMPARE(int(review_file::parse(bad).problem), int(Problem::Garbled));
    }

    // Guards against a wrong or swapped character anywhere in the table, checked byte by byte
    // against glibc's WINDOWS-874, and a byte that changes on its way through a read and a write.
    void everyByteIsItsReferenceCharacterAndRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = thai_codepage::decode(all);
        QCOMPARE(thai_codepage::encode(text).value_or(QByteArray()), all);
        const iconv_t windows874 = iconv_open("UTF-16LE", "WINDOWS-874");
        QVERIFY(windows874 != reinterpret_cast<iconv_t>(-1));
        for (int b = 0; b < 256; ++b) { // a byte the reference does not know is ours: U+F700 + byte
            char16_t character = 0;
            char byte = static_cast<char>(b), *in = &byte, *out = reinterpret_cast<char *>(&character);
            size_t inLeft = 1, outLeft = sizeof character;
            const bool known = iconv(windows874, &in, &inLeft, &out, &outLeft) != size_t(-1);
            QCOMPARE(std::pair(b, int(text.at(b).unicode())),
                     std::pair(b, known ? int(character) : 0xF700 + b));
        }
        iconv_close(windows874);
    }

    // Guards against '?' written in place of a character the code page cannot hold.
    void charactersOutsideTheCodePageAreRefused()
    {
        const std::pair<QString, int> texts[] = {// each with the first character it cannot hold
                                                 {"cat 😺", 4},
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

    // Guards against the built-in files shipping with bad lines (five fields, English words, no
    // field left empty, no word twice in one file), and against a hint, English or Thai, that
    // spells out the word or a part of it, so that the learner reads the answer.
    void builtInVocabulariesAreWellFormedAndHintsKeepTheWord_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"school.txt", "house.txt", "animals.txt"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void builtInVocabulariesAreWellFormedAndHintsKeepTheWord()
    {
        QFETCH(QString, name);
        static const QRegularExpression englishWord(QStringLiteral("^[A-Za-z]{1,12}$"));
        const QByteArray bytes = ProgramFolder().read(name);
        for (const QByteArrayView line : ui::splitLines(bytes)) // a lone LF would join two lines
            QCOMPARE(vocabulary_file::splitFields(line).size(), 5);
        const auto contents = vocabulary_file::parse(bytes, vocabulary_file::builtInFields);
        QVERIFY2(contents.entries.size() >= 40, qPrintable(name));
        QSet<QString> seen;
        for (const VocabEntry &e : contents.entries) {
            const QStringList fields {e.word, e.hint01, e.hint02, e.meaning, e.sentence};
            QVERIFY2(englishWord.match(e.word).hasMatch() && !fields.contains(QString()),
                     qPrintable(e.word));
            QVERIFY2(!seen.contains(e.word.toLower()), qPrintable(e.word + " is there twice"));
            seen.insert(e.word.toLower());
            for (const QString &hint : {e.hint01, e.hint02})
                QVERIFY2(giveAway(e.word, hint).isEmpty(),
                         qPrintable(QStringLiteral("%1 given away in \"%2\"").arg(e.word, hint)));
        }
    }
};

QTEST_GUILESS_MAIN(VocabularyFileTest)
#include "test_vocabulary_file.moc"
