// The three vocabularies that ship with the program, read as the build left them beside it:
// well-formed lines, and English hints that leave the word to be guessed.
#include "storage/vocabulary_file.h"
#include "support/program_folder.h"
#include "ui/text_lines.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

const char *const builtInNames[] = {"school.txt", "house.txt", "animals.txt"};

QStringList fields(const VocabEntry &e)
{
    return {e.word, e.hint01, e.hint02, e.meaning, e.sentence};
}

// The word of a hint that gives the vocabulary word away, or an empty string: the vocabulary
// word itself, or a word of four or more letters that, as it stands or without a final "s",
// begins or ends it ("home" for homework, "cups" for cupboard). Shorter words are let through,
// as "the" or "and" begin and end too many words by chance.
QString giveAway(const QString &word, const QString &hint)
{
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]+"));
    const QString target = word.toLower();
    for (const QRegularExpressionMatch &match : letters.globalMatch(hint)) {
        const QString part = match.captured().toLower();
        if (part == target)
            return match.captured();
        if (part.size() < 4)
            continue;
        QStringList forms {part};
        if (part.endsWith(QLatin1Char('s')))
            forms.append(part.chopped(1));
        for (const QString &form : forms)
            if (target.startsWith(form) || target.endsWith(form))
                return match.captured();
    }
    return {};
}

} // namespace

class BuiltInVocabulariesTest : public QObject
{
    Q_OBJECT

private slots:
    // Guards against the built-in files shipping with bad lines: five fields, English words,
    // no field left empty, no word twice in one file.
    void builtInVocabulariesAreWellFormed_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : builtInNames)
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void builtInVocabulariesAreWellFormed()
    {
        QFETCH(QString, name);
        static const QRegularExpression englishWord(QStringLiteral("^[A-Za-z]{1,12}$"));
        const QByteArray bytes = ProgramFolder().read(name);
        for (const QByteArrayView line : ui::splitLines(bytes)) // a lone LF would join two lines
            QCOMPARE(vocabulary_file::splitFields(line).size(), 5);
        const auto contents = vocabulary_file::parse(bytes, vocabulary_file::builtInFields);
        QVERIFY2(contents.entries.size() >= 40, qPrintable(name));
        QSet<QString> seen;
        for (const VocabEntry &entry : contents.entries) {
            QVERIFY2(englishWord.match(entry.word).hasMatch() && !fields(entry).contains(QString()),
                     qPrintable(entry.word));
            QVERIFY2(!seen.contains(entry.word.toLower()), qPrintable(entry.word + " is there twice"));
            seen.insert(entry.word.toLower());
        }
    }

    // Guards against an English hint that spells out the word or a part of it, so that the
    // learner reads the answer instead of guessing it.
    void englishHintsDoNotGiveTheWordAway_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("hint");
        const ProgramFolder folder;
        for (const char *name : builtInNames) {
            const auto contents = vocabulary_file::parse(folder.read(QString::fromLatin1(name)),
                                                         vocabulary_file::builtInFields);
            QVERIFY2(!contents.entries.isEmpty(), name);
            for (const VocabEntry &entry : contents.entries)
                QTest::addRow("%s %s", name, qPrintable(entry.word)) << entry.word << entry.hint01;
        }
    }
    void englishHintsDoNotGiveTheWordAway()
    {
        QFETCH(QString, word);
        QFETCH(QString, hint);
        const QString part = giveAway(word, hint);
        QVERIFY2(part.isEmpty(),
                 qPrintable(QStringLiteral("%1: \"%2\" gives it away in \"%3\"").arg(word, part, hint)));
    }
};

QTEST_GUILESS_MAIN(BuiltInVocabulariesTest)
#include "test_built_in_vocabularies.moc"
