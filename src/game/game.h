#pragma once

#include "game/review_list.h"
#include "game/vocabulary_in_use.h"
#include "storage/vocabulary_file.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// The game without its window: the vocabulary in use, the word order, the play of one word,
// its hints, the score and the difficult words. It decides everything about play and knows
// nothing of labels, pictures or message boxes; the main window asks it, then shows what it says.
namespace game {

constexpr int keyCount = 26;
// The ninth wrong guess loses the word; its gallows stage is the last.
constexpr int lastStage = 9;

// The letter key (0 = A .. 25 = Z) that a typed character guesses, or -1: only A to Z and a to z.
int keyIndexOf(int characterCode);
// The letter of key i: character code 65 + i.
inline QChar keyLetter(int keyIndex)
{
    return QChar(u'A' + keyIndex);
}

enum class Outcome { NoWord, Playing, Won, Lost };

// What one guess did, for the board to show.
struct GuessResult
{
    bool counted = false;       // false: the key could not be guessed, nothing happened
    QList<qsizetype> positions; // every place of the letter in the word, from 1; none: wrong
    int stage = -1;             // the gallows stage to show now; -1: the picture stays
    bool reviewChanged = false; // the review list is to be saved
};

// A difficult word as the meaning popup shows it, and what the learner may hear of it.
struct DifficultWord
{
    QString meaningCaption;
    QString sentenceCaption;
    QStringList spoken;
};

// The main window's game state, under the names the window's description gives it.
struct GameState
{
    QList<VocabEntry> arrWordTable;
    qint16 intWordCount = 0;
    QList<qint16> arrWordOrder; // positions 1..n; element 0 unused
    qint16 intNextWord = 0;
    bool blnBuiltIn = false;
    QString strWord;
    QString strHint01;
    QString strHint02;
    QString strMeaning;
    QString strSentence;
    qint16 intWrongGuesses = 0;
    qint16 intLettersFound = 0;
    qint16 intScore = 0;
    QStringList difficultWords;             // the list's items, oldest first
    std::array<QStringList, 2> arrDiffInfo; // [0]: meanings, [1]: sentences, by list position
    VocabularyInUse vocabularyInUse;
    ReviewList reviewList; // kept beyond the window, in its file
    Outcome outcome = Outcome::NoWord;
    std::array<bool, keyCount> keyUsed {};
    bool hint01Taken = false;
    bool hint02Taken = false;
};

// Where each new word order takes its seed: the clock, unless a test or the screenshots fix it
// (an empty function gives the clock back).
void setSeedSource(std::function<quint32()> source);

class Game
{
public:
    const GameState &state() const { return s; }
    bool hasVocabulary() const { return s.intWordCount > 0; }

    // The vocabulary read from a file becomes the one in use: a new table and a new order.
    void TakeVocabulary(VocabularyInUse vocabulary, QList<VocabEntry> entries);
    // A built-in category is chosen: the list emptied, the score and the order restarted, the
    // file's entries in use and its first word taken, whatever state the word in play was in.
    void ChooseCategory(const QString &fileName, QList<VocabEntry> entries);
    // The review list as its file held it; it changes with every word lost and won.
    void TakeReviewList(ReviewList list) { s.reviewList = std::move(list); }
    // The review list chosen as a category is: its words dealt by box, lowest first. False (and
    // nothing) while it is empty.
    bool ChooseReview();
    // The vocabulary command, before its chooser answers: no more meanings, and an empty list.
    void mnuCustVocab_Click();
    void ResetBoard();
    void SelectWord();
    // The next word after a won or lost one; the score and the list stay.
    void StartNextWord() { SelectWord(); }

    bool keyEnabled(int keyIndex) const;
    GuessResult Guess(int keyIndex);
    bool canTakeHint01() const;
    bool canTakeHint02() const;
    // Each costs a point; false (and nothing) when the hint cannot be taken now.
    bool TakeHint01();
    bool TakeHint02();

    void emptyDiffList();
    DifficultWord lookUp(qsizetype position) const;
    // What the learner may hear of the word just played: nothing before it is won or lost.
    QStringList spokenAfterRound() const;

private:
    void choose(VocabularyInUse vocabulary, QList<VocabEntry> entries);
    void MakeWordOrder(qint16 n);
    bool GameWon();
    bool GameLost();
    bool takeHint(bool allowed, bool &taken);

    GameState s;
    qsizetype m_record = -1; // the current word's place in arrWordTable
};

} // namespace game
