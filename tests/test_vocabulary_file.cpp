// Reading vocabulary files: line ends, fields, blank lines and files that cannot be used.
#include "storage/vocabulary_file.h"
#include "support/program_folder.h"
#include "ui/text_lines.h"

#include <QDir>
#include <QtTest>

using vocabulary_file::Problem;

class VocabularyFileTest : public QObject {
  Q_OBJECT

private slots:
  // Guards against line ends read the wrong way: CR LF and CR end a line, LF alone does not.
  void linesEndAtCrLfAndLoneCr_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("no end on last") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("lone cr") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone lf stays") << QByteArray("a\nb\r\n") << QStringList{"a\nb"};
    QTest::newRow("cr then crlf") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("empty") << QByteArray() << QStringList{};
    QTest::newRow("only crlf") << QByteArray("\r\n") << QStringList{""};
  }
  void linesEndAtCrLfAndLoneCr() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QStringList read;
    for (const QByteArrayView line : ui::splitLines(bytes))
      read.append(QString::fromLatin1(line));
    QCOMPARE(read, lines);
  }

  // Guards against fields trimmed, case changed, extra fields kept or missing fields invented.
  void fieldsAreTakenAsTheyStand() {
    const QByteArray bytes = cp874(QStringLiteral(
        " Apple |hint one|หนึ่ง|แอปเปิ้ล|An apple.|extra|more\r\n"
        "cat|a|b|c\r\n"
        "ice|cold|ice|hint two|after\r\n"));
    const auto builtIn = vocabulary_file::parse(bytes, vocabulary_file::builtInFields, 100);
    QVERIFY(builtIn.ok());
    QCOMPARE(builtIn.entries.size(), 3);
    const VocabEntry &apple = builtIn.entries[0];
    QCOMPARE(apple.word, QStringLiteral(" Apple "));
    QCOMPARE(apple.hint02, QStringLiteral("หนึ่ง"));
    QCOMPARE(apple.meaning, QStringLiteral("แอปเปิ้ล"));
    QCOMPARE(apple.sentence, QStringLiteral("An apple."));
    QCOMPARE(builtIn.entries[1].meaning, QStringLiteral("c"));
    QCOMPARE(builtIn.entries[1].sentence, QString());

    const auto custom = vocabulary_file::parse(bytes, vocabulary_file::customFields, 100);
    QCOMPARE(custom.entries[0].meaning, QString());
    QCOMPARE(custom.entries[0].sentence, QString());
    // A "|" typed inside hint one splits it: the rest becomes hint two.
    QCOMPARE(custom.entries[2].hint01, QStringLiteral("cold"));
    QCOMPARE(custom.entries[2].hint02, QStringLiteral("ice"));
  }

  // Guards against blank lines counted as words and files that give no word at all.
  void recordsAndProblems_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("problem");
    QTest::newRow("blank lines skipped") << QByteArray("\r\na|b|c\r\n   \r\n\r\nd|e|f") << 2 << int(Problem::None);
    QTest::newRow("one field") << QByteArray("word") << 1 << int(Problem::None);
    QTest::newRow("empty file") << QByteArray() << 0 << int(Problem::NoRecords);
    QTest::newRow("only blanks") << QByteArray("\r\n  \r\n\r") << 0 << int(Problem::NoRecords);
    QTest::newRow("at the limit") << QByteArray("a\r\nb\r\nc\r\n") << 3 << int(Problem::None);
    QTest::newRow("over the limit") << QByteArray("a\r\nb\r\nc\r\nd\r\n") << 0 << int(Problem::TooManyRecords);
  }
  void recordsAndProblems() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    QFETCH(int, problem);
    const auto contents = vocabulary_file::parse(bytes, vocabulary_file::customFields, 3);
    QCOMPARE(contents.entries.size(), records);
    QCOMPARE(int(contents.problem), problem);
  }

  // Guards against a crash or a silent empty game on a file that is not there or not a file.
  void filesThatCannotBeReadAreNamed() {
    ProgramFolder folder{QStringList()};
    QDir(folder.path()).mkdir(QStringLiteral("folder.txt"));
    const auto missing = vocabulary_file::read(folder.filePath(QStringLiteral("gone.txt")), 5, 10);
    QCOMPARE(missing.problem, Problem::Missing);
    const auto notAFile = vocabulary_file::read(folder.filePath(QStringLiteral("folder.txt")), 5, 10);
    QCOMPARE(notAFile.problem, Problem::NotAFile);
    const QString message = vocabulary_file::describeProblem(QStringLiteral("gone.txt"), missing, 10);
    QVERIFY(message.startsWith(QStringLiteral("ใช้ไฟล์คำศัพท์ \"gone.txt\"")));
    QVERIFY(message.contains(QStringLiteral("The vocabulary file \"gone.txt\" cannot be used")));
  }

  // Guards against a written vocabulary that the reader would not give back the same.
  void writtenTextReadsBack() {
    const QStringList words{"Vocab", "cat", "ice"};
    const QStringList hints01{"Hint One", "แมว", "a|b"};
    const QStringList hints02{"Hint Two", "meow", ""};
    const auto text = vocabulary_file::entriesText(words, hints01, hints02, 1, 2);
    QVERIFY(text.ok());
    QCOMPARE(text.bytes, cp874(QStringLiteral("cat|แมว|meow\r\nice|a|b|\r\n")));
    QVERIFY(vocabulary_file::entriesText(words, hints01, hints02, 1, 0).bytes.isEmpty());
    const QStringList emoji{"Vocab", "cat", "dog 🐶"};
    QCOMPARE(vocabulary_file::entriesText(emoji, hints01, hints02, 1, 2).unencodableIndex, 2);
  }

  // Guards against the built-in files shipping with bad lines: five fields, English words.
  void builtInVocabulariesAreWellFormed_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("school") << QStringLiteral("school.txt");
    QTest::newRow("house") << QStringLiteral("house.txt");
    QTest::newRow("animals") << QStringLiteral("animals.txt");
  }
  void builtInVocabulariesAreWellFormed() {
    QFETCH(QString, name);
    const QByteArray bytes = ProgramFolder::dataFile(name);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    const auto contents = vocabulary_file::parse(bytes, 5, 1000);
    QVERIFY(contents.entries.size() >= 40);
    QSet<QString> seen;
    static const QRegularExpression englishWord(QStringLiteral("^[A-Za-z]{1,12}$"));
    for (const QByteArrayView line : ui::splitLines(bytes))
      QCOMPARE(ui::splitFields(line).size(), 5);
    for (const VocabEntry &entry : contents.entries) {
      QVERIFY2(englishWord.match(entry.word).hasMatch(), qPrintable(entry.word));
      QVERIFY2(!seen.contains(entry.word.toUpper()), qPrintable(entry.word));
      seen.insert(entry.word.toUpper());
      QVERIFY(!entry.hint01.isEmpty() && !entry.hint02.isEmpty());
      QVERIFY(!entry.meaning.isEmpty() && !entry.sentence.isEmpty());
    }
  }
};

QTEST_GUILESS_MAIN(VocabularyFileTest)
#include "test_vocabulary_file.moc"
