// The three vocabularies that ship with the program, read as the build left them beside it:
// well-formed lines, and hints that leave the word to be guessed.
#include "storage/vocabulary_file.h"
#include "support/program_folder.h"
#include "ui/text_lines.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

// The part of a hint that gives its word away, or an empty string: four or more letters of the
// word in a row anywhere in the hint ("engl" in England for english, "room" for bedroom), or
// the word itself, or with an "s", as a word of the hint ("cat", "cats"). Shorter parts are let
// through, as "the" or "and" stand in too many words by chance.
QString giveAway(const QString &word, const QString &hint)
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

} // namespace

class BuiltInVocabulariesTest : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(BuiltInVocabulariesTest)
#include "test_built_in_vocabularies.moc"
