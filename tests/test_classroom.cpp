// The classroom's windows and paper: a worksheet printed to PDF and read back, the lists' folder
// where no file manager answers, and a spreadsheet imported and handed to the editor.
#include "classroom/lists_folder.h"
#include "classroom/worksheet.h"
#include "support/windows.h"
#include "ui/desktop.h"

#include <QPrinter>

using namespace testing;

// What a program of poppler-utils says of a PDF; pdftotext -raw gives the text in the order drawn.
static QString poppler(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        qWarning("%s (poppler-utils) failed", qPrintable(program));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Thai as a PDF's text can be compared: a mark the font moves into place (a tone mark set low, a
// vowel set left) is a private-use character of Thai fonts there, as are tho than and yo ying
// drawn without their foot, and sara am is drawn as nikhahit and sara aa; so the two letters are
// mapped back, and the marks above and below the line, and sara aa, left out on both sides.
static QString thaiAsDrawn(QString text)
{
    static const QRegularExpression marks(
        QStringLiteral("[\\x{0E31}-\\x{0E3A}\\x{0E47}-\\x{0E4E}\\x{F701}-\\x{F71F}]"));
    return text.replace(QChar(0xF700), QChar(0x0E10)).replace(QChar(0xF70F), QChar(0x0E0D)).remove(marks);
}

class ClassroomTest : public WindowTest
{
    Q_OBJECT

private slots:
    // Guards against a worksheet that leaves out or reorders a word, a hint or a meaning, gives the
    // pupils the word, loses Thai glyphs, is not A4, or has no page header with the list's name and
    // the page number.
    void worksheetsPrintEveryEntryInOrder_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("pupils' sheet") << int(worksheet::Kind::PupilsSheet);
        QTest::newRow("teacher's key") << int(worksheet::Kind::TeachersKey);
    }
    void worksheetsPrintEveryEntryInOrder()
    {
        QFETCH(int, kind);
        const QStringList thai {"แมว", "ช้าง", "นกฮูก", "ปลาทู", "เต่า", "ผีเสื้อ", "ไก่", "กระต่าย"};
        const bool pupils = kind == int(worksheet::Kind::PupilsSheet);
        QList<VocabEntry> entries;
        QStringList expected; // what the sheet shows, in this order, with anything between
        for (int i = 0; i < 40; ++i) {
            const VocabEntry &e = entries.emplace_back(VocabEntry {
                QStringLiteral("word%1x").arg(QChar(u'a' + i % 26)), QStringLiteral("clue %1").arg(i),
                thai[i % 8] + QString::number(i), thai[(i + 3) % 8] + QStringLiteral(" %1").arg(i),
                QStringLiteral("Sentence %1.").arg(i)});
            for (const QString &each : pupils ? QStringList {e.hint01, e.hint02}
                                              : QStringList {e.word, e.meaning, e.sentence})
                expected << QRegularExpression::escape(thaiAsDrawn(each));
        }
        const QString pdf = folder().filePath(QStringLiteral("sheet.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        worksheet::prepare(printer, QStringLiteral("animals.txt"));
        printer.setOutputFileName(pdf);
        QVERIFY(worksheet::print(printer, QStringLiteral("animals.txt"), entries,
                                 worksheet::Kind(kind)));
        const QString text = thaiAsDrawn(poppler("pdftotext", {"-raw", pdf, "-"}));
        QVERIFY2(QRegularExpression(expected.join(u"[\\s\\S]*?")).match(text).hasMatch(),
                 qPrintable(text));
        QCOMPARE(text.contains(u"wordax"), !pupils);
        const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() > 1);
        for (qsizetype i = 0; i < pages.size(); ++i)
            QVERIFY2(pages[i].contains(u"animals.txt")
                         && pages[i].contains(
                             QStringLiteral("page %1 of %2").arg(i + 1).arg(pages.size())),
                     qPrintable(pages[i]));
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
        // Had the Thai font lacked a glyph, another font would stand in for it in the PDF.
        const QStringList fonts = poppler("pdffonts", {pdf}).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(fonts.mid(2).filter(QRegularExpression("^Loma(-Bold)? ")).size(), fonts.size() - 2);
    }

    // Guards against a folder that is not made, or not told in full, where no file manager answers
    // (none does on the offscreen platform).
    void theListsFolderIsToldWhereNoFileManagerAnswers()
    {
        QDir(folder().customPath({})).removeRecursively();
        lists_folder::open();
        QVERIFY(QFileInfo(folder().customPath({})).isDir());
        QCOMPARE(messages().texts.size(), 1);
        QVERIFY(messages().texts.first().contains(u'\n' + ui::customVocabFolder() + u'\n'));
        QCOMPARE(QGuiApplication::clipboard()->text(), ui::customVocabFolder());
    }

    // Guards against an import that writes anything, drops, adds or reorders good rows, hides the
    // failing one, or hands the editor something else than a new vocabulary holding the rows,
    // ready to browse and save.
    void anImportedSheetIsReportedAndHandedToTheEditor()
    {
        folder().write(QStringLiteral("sheet.csv"),
                       "\xEF\xBB\xBFWord,Hint 1,Hint 2,Thai meaning\r\ncat,a pet,meows,แมว\r\n"
                       ",no word,x\r\nowl,\"hoots, at night\",bird,นกฮูก\r\n");
        QString started;
        ui::setFileDialogHandler([&](const QString &, const QString &start) {
            started = start;
            return folder().filePath(QStringLiteral("sheet.csv"));
        });
        GameWindow *game = startGameOn(folder(), "dog|barks|woof\r\n");
        menuItem(game, "mnuImport")->trigger();
        ui::setFileDialogHandler({});
        QCOMPARE(started, ui::documentsFolder());
        QWidget *report = form("frmImportReport");
        QVERIFY(report && report->isVisible());
        const auto *rows = control<QListWidget>(report, "lstRows");
        QCOMPARE(rows->count(), 1);
        QVERIFY(rows->item(0)->text().startsWith(u"แถว 3 (row 3) \"\": "));
        QVERIFY(caption(report, "lblSummary").contains(u"2 words came in from \"sheet.csv\""));
        QVERIFY(!caption(report, "lblNote").isEmpty());
        click(report, "cmdOK");
        QCOMPARE(QDir(folder().customPath({})).entryList(QDir::Files), QStringList());
        QCOMPARE(pindrelModule::arrVocab + pindrelModule::arrHint01 + pindrelModule::arrHint02,
                 QStringList({"Vocab", "cat", "owl", "Hint One", "a pet", "hoots, at night",
                              "Hint Two", "meows", "bird"}));
        QVERIFY(pindrelModule::strEditFile.isEmpty());
        QWidget *editor = form("new_vocab");
        QVERIFY(control<QPushButton>(editor, "cmdSave")->isEnabled());
        click(editor, "cmdRightArrow");
    }
};

WINDOWS_TEST_MAIN(ClassroomTest)
#include "test_classroom.moc"
