// Reading vocabulary files: line ends, blank lines and fields, and the built-in files.
#include "storage/vocabulary_file.h"
#include "support/program_folder.h"
#include "ui/text_lines.h"

#include <QtTest>

using vocabulary_file::Problem;

static QStringList fields(const VocabEntry &e) { return {e.word, e.hint01, e.hint02, e.meaning, e.sentence}; }

class VocabularyFileTest : public QObject {
  Q_OBJECT

private slots:
  // Guards against line ends read the wrong way (CR LF and CR end a line, LF alone does not),
  // blank lines counted as words, and a file of blank lines taken for one with words.
  void linesAndRecords_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("records"); // the limits are tried through the windows
    const auto row = [](const char *tag, const QByteArray &bytes, const QStringList &lines, int records) {
      QTest::newRow(tag) << bytes << lines << records;
    };
    row("lone cr", "a\rb\r", {"a", "b"}, 2);
    row("lone lf stays", "a\nb\r\n", {"a\nb"}, 1);
    row("cr then crlf, no end on the last", "a\r\r\nb", {"a", "", "b"}, 2);
    row("blank lines skipped", "\r\na|b\r\n   \r\n\r\nd|e|f", {"", "a|b", "   ", "", "d|e|f"}, 2);
    row("only blanks", "\r\n  \r\n\r", {"", "  ", ""}, 0);
  }
  void linesAndRecords() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    QStringList read;
    for (const QByteArrayView line : ui::splitLines(bytes))
      read.append(QString::fromLatin1(line));
    QTEST(read, "lines");
    const auto contents = vocabulary_file::parse(bytes, vocabulary_file::customFields, 100);
    QCOMPARE(contents.entries.size(), records);
    QCOMPARE(int(contents.problem), int(records ? Problem::None : Problem::NoRecords));
  }

  // Guards against fields trimmed, case changed, extra fields kept, missing fields invented, or
  // a custom file read with the built-in fields (a "|" in hint one splits it into hint two).
  void fieldsAreTakenAsTheyStand() {
    const QByteArray bytes = cp874(QStringLiteral(" Apple |hint one|หนึ่ง|แอปเปิ้ล|An apple.|extra\r\n"
                                                  "cat|a|b|c\r\nice|cold|ice|hint two|after\r\nowl\r\n"));
    const auto builtIn = vocabulary_file::parse(bytes, vocabulary_file::builtInFields, 100);
    QCOMPARE(fields(builtIn.entries[0]),
             QStringList({" Apple ", "hint one", "หนึ่ง", "แอปเปิ้ล", "An apple."}));
    QCOMPARE(fields(builtIn.entries[1]), QStringList({"cat", "a", "b", "c", ""}));
    const auto custom = vocabulary_file::parse(bytes, vocabulary_file::customFields, 100);
    QCOMPARE(fields(custom.entries[0]), QStringList({" Apple ", "hint one", "หนึ่ง", "", ""}));
    QCOMPARE(fields(custom.entries[2]), QStringList({"ice", "cold", "ice", "", ""}));
    QCOMPARE(fields(custom.entries[3]), QStringList({"owl", "", "", "", ""}));
  }

};

QTEST_GUILESS_MAIN(VocabularyFileTest)
#include "test_vocabulary_file.moc"
