// Reading vocabulary files: line ends, fields, blank lines and files that cannot be used.
#include "storage/vocabulary_file.h"
#include "support/program_folder.h"
#include "ui/text_lines.h"

#include <QtTest>

using vocabulary_file::Problem;

class VocabularyFileTest : public QObject {
  Q_OBJECT

  static QStringList fields(const VocabEntry &e) {
    return {e.word, e.hint01, e.hint02, e.meaning, e.sentence};
  }

private slots:
  // Guards against line ends read the wrong way (CR LF and CR end a line, LF alone does not),
  // blank lines counted as words, and files that give no word or more than the limit.
  void linesAndRecords_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("records"); // with a limit of 3
    QTest::addColumn<int>("problem");
    const auto row = [](const char *tag, const QByteArray &bytes, const QStringList &lines,
                        int records, Problem problem = Problem::None) {
      QTest::newRow(tag) << bytes << lines << records << int(problem);
    };
    row("crlf", "a\r\nb\r\n", {"a", "b"}, 2);
    row("no end on last", "a\r\nb", {"a", "b"}, 2);
    row("lone cr", "a\rb\r", {"a", "b"}, 2);
    row("lone lf stays", "a\nb\r\n", {"a\nb"}, 1);
    row("cr then crlf", "a\r\r\nb", {"a", "", "b"}, 2);
    row("blank lines skipped", "\r\na|b\r\n   \r\n\r\nd|e|f", {"", "a|b", "   ", "", "d|e|f"}, 2);
    row("only blanks", "\r\n  \r\n\r", {"", "  ", ""}, 0, Problem::NoRecords);
    row("at the limit", "a\r\nb\r\nc\r\n", {"a", "b", "c"}, 3);
    row("over the limit", "a\r\nb\r\nc\r\nd", {"a", "b", "c", "d"}, 0, Problem::TooManyRecords);
  }
  void linesAndRecords() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(int, records);
    QFETCH(int, problem);
    QStringList read;
    for (const QByteArrayView line : ui::splitLines(bytes))
      read.append(QString::fromLatin1(line));
    QCOMPARE(read, lines);
    const auto contents = vocabulary_file::parse(bytes, vocabulary_file::customFields, 3);
    QCOMPARE(contents.entries.size(), records);
    QCOMPARE(int(contents.problem), problem);
  }

  // Guards against fields trimmed, case changed, extra fields kept, missing fields invented, or
  // a custom file read with the built-in fields (a "|" in hint one splits it into hint two).
  void fieldsAreTakenAsTheyStand() {
    const QByteArray bytes = cp874(QStringLiteral(" Apple |hint one|หนึ่ง|แอปเปิ้ล|An apple.|extra\r\n"
                                                  "cat|a|b|c\r\n"
                                                  "ice|cold|ice|hint two|after\r\n"));
    const auto builtIn = vocabulary_file::parse(bytes, vocabulary_file::builtInFields, 100);
    QCOMPARE(fields(builtIn.entries[0]),
             QStringList({" Apple ", "hint one", "หนึ่ง", "แอปเปิ้ล", "An apple."}));
    QCOMPARE(fields(builtIn.entries[1]), QStringList({"cat", "a", "b", "c", ""}));
    const auto custom = vocabulary_file::parse(bytes, vocabulary_file::customFields, 100);
    QCOMPARE(fields(custom.entries[0]), QStringList({" Apple ", "hint one", "หนึ่ง", "", ""}));
    QCOMPARE(fields(custom.entries[2]), QStringList({"ice", "cold", "ice", "", ""}));
  }

  // Guards against a crash on a file that cannot be read, or a message that does not name it
  // in Thai and then in English.
  void fileThatCannotBeReadIsNamed() {
    ProgramFolder folder{QStringList()};
    folder.write(QStringLiteral("folder.txt/inside"), {});
    const auto contents = vocabulary_file::read(folder.filePath(QStringLiteral("folder.txt")), 5, 10);
    const QString message = vocabulary_file::describeProblem(QStringLiteral("folder.txt"), contents, 10);
    QVERIFY(message.startsWith(QStringLiteral("ใช้ไฟล์คำศัพท์ \"folder.txt\"")));
    QVERIFY(message.contains(QStringLiteral("The vocabulary file \"folder.txt\" cannot be used")));
  }

  // Guards against the built-in files shipping with bad lines: five fields, English words.
  void builtInVocabulariesAreWellFormed_data() {
    QTest::addColumn<QString>("name");
    for (const char *name : {"school.txt", "house.txt", "animals.txt"})
      QTest::newRow(name) << QString::fromLatin1(name);
  }
  void builtInVocabulariesAreWellFormed() {
    QFETCH(QString, name);
    const QByteArray bytes = ProgramFolder::dataFile(name);
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    for (const QByteArrayView line : ui::splitLines(bytes))
      QCOMPARE(ui::splitFields(line).size(), 5);
    const auto contents = vocabulary_file::parse(bytes, 5, 1000);
    QVERIFY(contents.entries.size() >= 40);
    static const QRegularExpression englishWord(QStringLiteral("^[A-Za-z]{1,12}$"));
    for (const VocabEntry &entry : contents.entries)
      QVERIFY2(englishWord.match(entry.word).hasMatch() && !fields(entry).contains(QString()),
               qPrintable(entry.word));
  }
};

QTEST_GUILESS_MAIN(VocabularyFileTest)
#include "test_vocabulary_file.moc"
