// Spreadsheets in and out: quoting, separators, encodings, the header, the checks a row goes
// through, the refusals, and an export that imports back as the same entries.
#include "classroom/spreadsheet.h"
#include "storage/thai_codepage.h"

#include <QtTest>

#include <sys/stat.h>

using vocabulary_file::Problem;

static QString shown(const QList<VocabEntry> &entries)
{
    QStringList rows;
    for (const VocabEntry &e : entries)
        rows.append(QStringList {e.word, e.hint01, e.hint02, e.meaning, e.sentence}.join(u'|'));
    return rows.join(QStringLiteral("; "));
}

static QString shown(const QList<spreadsheet::Failure> &failures)
{
    QStringList rows;
    for (const spreadsheet::Failure &f : failures)
        rows.append(QStringLiteral("%1 %2").arg(f.row).arg(f.word));
    return rows.join(QStringLiteral("; "));
}

class SpreadsheetTest : public QObject
{
    Q_OBJECT

private slots:
    // Guards against quotes, separators or line breaks read the wrong way, a header taken for a
    // word or a word for a header, text decoded in the wrong encoding, rows numbered otherwise than
    // the sheet numbers them, and a row let through that the editor's Add or the save refuses.
    void rowsComeInAsTheSheetHasThem_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("failures");
        const auto row = [](const char *tag, const QByteArray &bytes, const char *entries,
                            const char *failures = "") {
            QTest::newRow(tag) << bytes << QString::fromUtf8(entries) << QString::fromUtf8(failures);
        };
        const QByteArray thai = "หมา,สุนัข";
        row("english header, crlf", "Word,Hint 1,Hint 2\r\ncat,a pet,meows\r\n", "cat|a pet|meows||");
        row("quoted separator, doubled quote, text after a quote",
            "cat,\"a, b\",\"say \"\"meow\"\"\",\"x\"y", "cat|a, b|say \"meow\"|xy|");
        row("line breaks in quotes", "dog,\"big\r\nand\nkind\rdog\",x\r\nowl,a,b",
            "dog|big and kind dog|x||; owl|a|b||");
        row("a quote left open", "cat,a,\"b\r\nowl,c,d", "cat|a|b owl,c,d||");
        row("semicolons", "cat;a,b;c\nowl;d;e\n", "cat|a,b|c||; owl|d|e||");
        row("tabs", "cat\ta;b\tc\td,e", "cat|a;b|c|d,e|");
        row("the first line decides", "cat;a;b\r\nowl,c;d;e", "cat|a|b||; owl,c|d|e||");
        row("five columns, more ignored", "cat,a,b,m,s,x", "cat|a|b|m|s");
        row("thai header, utf-8 with a mark, lone lf",
            QByteArray("\xEF\xBB\xBFคำศัพท์,คำใบ้ คำที่ 1,คำใบ้ 2,ความหมาย,ประโยค\ndog,a,") + thai,
            "dog|a|หมา|สุนัข|");
        row("utf-8 without a mark", "dog,a," + thai, "dog|a|หมา|สุนัข|");
        row("code page 874", "dog,a," + thai_codepage::encode(u"หมา,สุนัข").value(), "dog|a|หมา|สุนัข|");
        row("a word named word", "word,a unit of language,one", "word|a unit of language|one||");
        row("a header row further down is a row", "cat,a,b\r\nWord,Hint 1,Hint 2",
            "cat|a|b||; Word|Hint 1|Hint 2||");
        row("blank rows skipped but counted", "Word\r\n\r\n ,  ,\r\n,a,b\r\ncat,a,b", "cat|a|b||", "4 ");
        row("the editor's and the save's checks", "cat,,b\nice cream,a,b\ncat ,a,b\nowl,a\ndog,หมา,🐶",
            "", "1 cat; 2 ice cream; 3 cat ; 4 owl; 5 dog");
    }
    void rowsComeInAsTheSheetHasThem()
    {
        QFETCH(QByteArray, bytes);
        const spreadsheet::Import import = spreadsheet::parse(bytes);
        QCOMPARE(int(import.problem), int(Problem::None));
        QTEST(shown(import.entries), "entries");
        QTEST(shown(import.failures), "failures");
        QCOMPARE(import.ok(), !import.entries.isEmpty());
    }

    // Guards against a reason that is not the one of the check that refused the row, and a report
    // that lists more than twenty rows or does not say how many more there are.
    void failingRowsAreReportedByTheirChecks()
    {
        const auto import
            = spreadsheet::parse("cat,,b\ndog,หมา,🐶\n" + QByteArray(",a,b\n").repeated(23));
        const QStringList lines = spreadsheet::failureLines(import.failures);
        QCOMPARE(lines.size(), 21);
        QCOMPARE(lines.first(), QStringLiteral("แถว 1 (row 1) \"cat\": ท่านต้องให้ คำใบ้คำที่ 1 ด้วย นะครับ"));
        QVERIFY2(lines.at(1).contains(u"🐶, which a vocabulary file cannot hold"),
                 qPrintable(lines.at(1)));
        QCOMPARE(lines.last(), QStringLiteral("และอีก 5 แถว (and 5 more)"));
    }

    // Guards against a sheet opened that the program cannot read whole or play: UTF-16, more rows
    // than a list holds, nothing but a header, no good row, too large, not an ordinary file.
    void sheetsThatCannotComeInAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // a file of these, or the kind of file to make
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("entries");
        const auto row = [](const char *tag, const QByteArray &bytes, Problem problem,
                            int entries) { QTest::newRow(tag) << bytes << int(problem) << entries; };
        row("utf-16 le",
            "\xFF\xFE"
            "c\0a\0t\0",
            Problem::Utf16, 0);
        row("utf-16 be", "\xFE\xFF\0c\0a\0t", Problem::Utf16, 0);
        row("32,766 rows", "Word\n" + QByteArray("a,b,c\n").repeated(32766), Problem::None, 32766);
        row("32,767 rows", "Word\n" + QByteArray("a,b,c\n").repeated(32767), Problem::TooManyRecords, 0);
        row("only a header", "Word,Hint 1\r\n,,\r\n", Problem::NoRecords, 0);
        row("no good row", ",a,b\r\n", Problem::None, 0);
        row("over 64 MB", "large", Problem::TooLarge, 0);
        row("a folder", "folder", Problem::NotAFile, 0);
        row("a pipe", "fifo", Problem::NotRegular, 0);
    }
    void sheetsThatCannotComeInAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.csv"));
        QFile file(path);
        if (bytes == "folder")
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sheet.csv")));
        else if (bytes == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
                 || (bytes == "large" && !file.resize(vocabulary_file::maxFileBytes + 1)))
            QFAIL("cannot write the sheet");
        file.close();
        const spreadsheet::Import import = spreadsheet::read(path);
        QCOMPARE(int(import.problem), problem);
        QTEST(int(import.entries.size()), "entries");
        QCOMPARE(import.ok(), problem == int(Problem::None) && !import.entries.isEmpty());
        if (import.refused())
            QVERIFY(spreadsheet::describeRefusal(QStringLiteral("sheet.csv"), import)
                        .startsWith(u"นำเข้าไฟล์ \"sheet.csv\" ไม่ได้ เพราะ"));
    }

    // Guards against an export that a spreadsheet program shows with Thai garbled (no UTF-8 mark),
    // that has no header, or that imports back as other entries: separators, quotes, spaces at
    // the ends, Thai, a word that names a column.
    void anExportImportsBackAsTheSameEntries()
    {
        const QList<VocabEntry> entries {{"Word", "Hint 1", "a, b; c\td", "\"ช้าง\"", " the end "},
                                         {"owl", "นกฮูก", "\"", "", ""},
                                         {"cat", " lead", "trail ", "แมว", "It says \"meow\"."}};
        const QByteArray sheet = spreadsheet::exportSheet(entries);
        QVERIFY(sheet.startsWith("\xEF\xBB\xBFWord,Hint 1,Hint 2,Thai meaning,Sentence\r\n"));
        const spreadsheet::Import back = spreadsheet::parse(sheet);
        QCOMPARE(shown(back.failures), QString());
        QCOMPARE(shown(back.entries), shown(entries));
    }
};

QTEST_GUILESS_MAIN(SpreadsheetTest)
#include "test_spreadsheet.moc"
