// Spreadsheets in and out: quoting, separators, encodings, the header, the checks a row goes
// through, the refusals, and an export that imports back as the same entries.
#include "classroom/spreadsheet.h"
#include "storage/thai_codepage.h"

#include <QtTest>

using vocabulary_file::Problem;

// The good rows with their five fields, then the failing rows by number and word.
static QString shown(const spreadsheet::Import &import)
{
    QStringList rows;
    for (const VocabEntry &e : import.entries)
        rows.append(QStringList {e.word, e.hint01, e.hint02, e.meaning, e.sentence}.join(u'|'));
    for (const spreadsheet::Failure &f : import.failures)
        rows.append(QStringLiteral("row %1 %2").arg(f.row).arg(f.word));
    return rows.join(QStringLiteral("; "));
}

class SpreadsheetTest : public QObject
{
    Q_OBJECT

private slots:
    // Guards against quotes, separators or line breaks read the wrong way, a header taken for a
    // word or a word for a header, text decoded in the wrong encoding, rows numbered otherwise than
    // the sheet numbers them, a row let through that the editor's Add or the save refuses; and a
    // sheet opened that the program cannot read whole or play: UTF-16, more rows than a list
    // holds, nothing but a header, no good row, a file too large.
    void rowsComeInAsTheSheetHasThemOrTheSheetIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // "large": a file over the bound
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("problem");
        const auto row = [](const char *tag, const QByteArray &bytes, const QString &rows,
                            Problem problem = Problem::None) {
            QTest::newRow(tag) << bytes << rows << int(problem);
        };
        const QByteArray thai = "หมา,สุนัข";
        row("english header, crlf", "Word,Hint 1,Hint 2\r\ncat,a pet,meows\r\n", "cat|a pet|meows||");
        row("quoted separator, doubled quote, text after a quote, a quote inside",
            "cat,\"a, b\",\"say \"\"meow\"\"\",\"x\"y,5\" tall", "cat|a, b|say \"meow\"|xy|5\" tall");
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
        row("blank rows skipped but counted", "Word\r\n\r\n ,  ,\r\n,a,b\r\ncat,a,b",
            "cat|a|b||; row 4 ");
        row("the editor's and the save's checks", "cat,,b\nice cream,a,b\ncat ,a,b\nowl,a\ndog,หมา,🐶",
            "row 1 cat; row 2 ice cream; row 3 cat ; row 4 owl; row 5 dog");
        row("no good row", ",a,b\r\n", "row 1 ");
        row("32,766 rows", "Word\n" + QByteArray("a,b,c\n").repeated(32766),
            QStringList(32766, "a|b|c||").join(QStringLiteral("; ")));
        row("32,767 rows", "Word\n" + QByteArray("a,b,c\n").repeated(32767), "",
            Problem::TooManyRecords);
        row("only a header", "Word,Hint 1\r\n,,\r\n", "", Problem::NoRecords);
        row("utf-16 le", QByteArray("\xFF\xFE\x63\0a\0t\0", 8), "", Problem::Utf16);
        row("utf-16 be", QByteArray("\xFE\xFF\0c\0a\0t", 8), "", Problem::Utf16);
        row("over 64 MB", "large", "", Problem::TooLarge);
    }
    void rowsComeInAsTheSheetHasThemOrTheSheetIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, problem);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("sheet.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        QVERIFY(bytes != "large" || file.resize(vocabulary_file::maxFileBytes + 1));
        file.close();
        const spreadsheet::Import import = spreadsheet::read(file.fileName());
        QCOMPARE(int(import.problem), problem);
        QTEST(shown(import), "rows");
        QCOMPARE(import.ok(), problem == int(Problem::None) && !import.entries.isEmpty());
        if (import.refused())
            QVERIFY(spreadsheet::describeRefusal(QStringLiteral("sheet.csv"), import)
                        .startsWith(u"นำเข้าไฟล์ \"sheet.csv\" ไม่ได้ เพราะ"));
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
        spreadsheet::Import expected;
        expected.entries = entries;
        QCOMPARE(shown(spreadsheet::parse(sheet)), shown(expected));
    }
};

QTEST_GUILESS_MAIN(SpreadsheetTest)
#include "test_spreadsheet.moc"
