#include "game/game.h"

#include "game/int16.h"
#include "game/word_order.h"
#include "storage/review_file.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace game {

int keyIndexOf(int characterCode)
{
    if (characterCode > 64 && characterCode < 91)
        return characterCode - 65;
    if (characterCode > 96 && characterCode < 123)
        return characterCode - 97;
    return -1;
}

namespace {

std::function<quint32()> &seedSource()
{
    static std::function<quint32()> source;
    return source;
}

quint32 nextSeed()
{
    if (seedSource())
        return seedSource()();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    return static_cast<quint32>(now ^ (now >> 32));
}

} // namespace

void setSeedSource(std::function<quint32()> source)
{
    seedSource() = std::move(source);
}

void Game::TakeVocabulary(VocabularyInUse vocabulary, QList<VocabEntry> entries)
{
    s.blnBuiltIn = vocabulary.builtIn;
    s.vocabularyInUse = std::move(vocabulary);
    s.arrWordTable = std::move(entries);
    s.intWordCount = static_cast<qint16>(s.arrWordTable.size());
    MakeWordOrder(s.intWordCount);
    s.intNextWord = 1; // a new order always starts at its first position
}

// The review plays its list as it stood when chosen: the boxes stand beside the records.
void Game::MakeWordOrder(qint16 n)
{
    QRandomGenerator generator(nextSeed());
    s.arrWordOrder = s.vocabularyInUse.review ? word_order::dealByBox(s.reviewList.boxes(), generator)
                                              : word_order::draw(n, generator);
}

void Game::ChooseCategory(const QString &fileName, QList<VocabEntry> entries)
{
    choose({true, fileName}, std::move(entries));
}

bool Game::ChooseReview()
{
    if (s.reviewList.size() == 0)
        return false;
    choose({true, review_file::fileName, true}, s.reviewList.entries());
    return true;
}

void Game::choose(VocabularyInUse vocabulary, QList<VocabEntry> entries)
{
    emptyDiffList();
    ResetBoard(); // TakeVocabulary makes blnBuiltIn True, from the category's kind
    TakeVocabulary(std::move(vocabulary), std::move(entries));
    SelectWord();
}

void Game::mnuCustVocab_Click()
{
    s.blnBuiltIn = false;
    emptyDiffList();
}

void Game::ResetBoard()
{
    s.intNextWord = 1;
    s.intScore = 0;
}

// The next word of the order; after the order's last word it starts again at its first.
void Game::SelectWord()
{
    if (!hasVocabulary())
        return;
    s.intWrongGuesses = 0;
    s.intLettersFound = 0;
    m_record = s.arrWordOrder.at(s.intNextWord) - 1;
    const VocabEntry &entry = s.arrWordTable.at(m_record);
    s.strWord = entry.word;
    s.strHint01 = entry.hint01;
    s.strHint02 = entry.hint02;
    if (s.blnBuiltIn) {
        s.strMeaning = entry.meaning;
        s.strSentence = entry.sentence;
    }
    s.intNextWord = int16::add(s.intNextWord, 1);
    if (s.intNextWord >= s.intWordCount + 1)
        s.intNextWord = 1;
    s.strWord = s.strWord.toUpper();
    s.outcome = Outcome::Playing;
    s.keyUsed.fill(false);
    s.hint01Taken = false;
    s.hint02Taken = false;
}

bool Game::keyEnabled(int keyIndex) const
{
    return s.outcome == Outcome::Playing && keyIndex >= 0 && keyIndex < keyCount
        && !s.keyUsed[keyIndex];
}

// Every place of the letter is revealed and counted; a letter that is not there advances the
// gallows, and the ninth such letter loses. The word is won when every place is revealed (an
// empty word by any first key; a word with a sign other than A to Z never).
GuessResult Game::Guess(int keyIndex)
{
    GuessResult result;
    if (!keyEnabled(keyIndex))
        return result;
    result.counted = true;
    const QChar letter = keyLetter(keyIndex);
    for (qsizetype p = s.strWord.indexOf(letter); p >= 0; p = s.strWord.indexOf(letter, p + 1))
        result.positions.append(p + 1);
    if (result.positions.isEmpty()) {
        s.intWrongGuesses = int16::add(s.intWrongGuesses, 1);
        if (s.intWrongGuesses >= 1 && s.intWrongGuesses <= 8)
            result.stage = s.intWrongGuesses;
    } else {
        s.intLettersFound = int16::add(s.intLettersFound, result.positions.size());
    }
    if (s.intWrongGuesses >= lastStage) {
        result.stage = lastStage;
        result.reviewChanged = GameLost();
    }
    if (s.intLettersFound == s.strWord.size())
        result.reviewChanged = GameWon();
    s.keyUsed[keyIndex] = true;
    return result;
}

// A word won while the review is played moves up a box there; won elsewhere, it stays.
bool Game::GameWon()
{
    s.outcome = Outcome::Won;
    s.intScore = int16::add(s.intScore, 2);
    return s.vocabularyInUse.review && s.reviewList.Won(s.strWord);
}

// The word goes to the difficult words, with its own meaning and sentence beside it, and with
// its entry to the review list (true when that changed).
bool Game::GameLost()
{
    s.outcome = Outcome::Lost;
    s.difficultWords.append(s.strWord);
    const qsizetype n = s.difficultWords.size() - 1;
    for (QStringList &row : s.arrDiffInfo)
        row.resize(n + 1);
    s.arrDiffInfo[0][n] = s.strMeaning;
    s.arrDiffInfo[1][n] = s.strSentence;
    return s.reviewList.Lost(s.arrWordTable.at(m_record));
}

// The first hint while the word is played and it is not taken; the second only after it.
bool Game::canTakeHint01() const
{
    return s.outcome == Outcome::Playing && !s.hint01Taken;
}

bool Game::canTakeHint02() const
{
    return s.outcome == Outcome::Playing && s.hint01Taken && !s.hint02Taken;
}

bool Game::TakeHint01()
{
    return takeHint(canTakeHint01(), s.hint01Taken);
}

bool Game::TakeHint02()
{
    return takeHint(canTakeHint02(), s.hint02Taken);
}

// Either hint costs a point.
bool Game::takeHint(bool allowed, bool &taken)
{
    if (!allowed)
        return false;
    taken = true;
    s.intScore = int16::add(s.intScore, -1);
    return true;
}

// The list empties; the meanings stay where they are, never read until a new loss sizes them.
void Game::emptyDiffList()
{
    s.difficultWords.clear();
}

// Whether a meaning is shown is decided now, by the vocabulary in use, not by the one the word
// came from; in the review, a word from a user's file has none to show.
DifficultWord Game::lookUp(qsizetype position) const
{
    const QString &word = s.difficultWords.at(position);
    const QString &sentence = s.arrDiffInfo[1].at(position);
    if (!s.blnBuiltIn
        || (s.vocabularyInUse.review && s.arrDiffInfo[0].at(position).isEmpty() && sentence.isEmpty()))
        return {{},
                QStringLiteral("กรุณา ศึกษาความหมาย และการใช้ในประโยค จากผู้ที่จัดทำคำศัพท์ชุดนี้ นะครับ"),
                {word.toLower()}};
    QStringList spoken {word.toLower()};
    if (!sentence.isEmpty())
        spoken.append(sentence);
    return {word + QStringLiteral(":   ") + s.arrDiffInfo[0].at(position), sentence, spoken};
}

QStringList Game::spokenAfterRound() const
{
    if (s.outcome != Outcome::Won && s.outcome != Outcome::Lost)
        return {};
    QStringList spoken {s.strWord.toLower()};
    if (s.blnBuiltIn && !s.strSentence.isEmpty())
        spoken.append(s.strSentence);
    return spoken;
}

} // namespace game
