// What a screen reader hears of the board. Every control keeps its visible text as its
// accessible name; where the text alone says too little, the context goes into the
// description. The window's description carries the last thing that happened (a guess, a
// hint, the result, a new word), so that a screen reader can announce it.
#include "game/game_window.h"

#include "ui/listen_button.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QString counted(qsizetype n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

} // namespace

// The whole game without a mouse: letters are typed anywhere, Tab runs through the hints,
// the result panel and the list, and Enter presses the button that has the focus. Controls
// whose text says too little get their context as accessible description.
void GameWindow::makeKeyboardFriendly()
{
    for (QPushButton *button : {cmdHint01, cmdHint02, Command1[0], Command1[1]})
        button->setAutoDefault(true);
    setTabOrder(cmdHint01, cmdHint02);
    setTabOrder(cmdHint02, Command1[0]);
    setTabOrder(Command1[0], Command1[1]);
    setTabOrder(Command1[1], cmdListen);
    setTabOrder(cmdListen, lstDifficultWords);
    lstDifficultWords->setAccessibleName(Label2->text());
    lblScore->setAccessibleDescription(lblScoreLabel->text());
    lblHint01->setAccessibleDescription(hint01Description);
    lblHint02->setAccessibleDescription(hint02Description);
}

void GameWindow::describeKey(int index)
{
    const QString use
        = m_game.state().keyUsed[index] ? QStringLiteral("used") : QStringLiteral("not used yet");
    Letter[index]->setAccessibleDescription(
        QStringLiteral("letter %1, %2").arg(Letter[index]->text(), use));
}

void GameWindow::describeSlots()
{
    const qsizetype length = m_game.state().strWord.size();
    for (int i = 1; i <= length; ++i)
        Word[i]->setAccessibleDescription(QStringLiteral("letter %1 of %2").arg(i).arg(length));
}

// Qt sends every change of a description to the screen reader, also a repeated text.
void GameWindow::announce(const QString &text)
{
    setAccessibleDescription(text);
}

QString GameWindow::guessResult(QChar letter, qsizetype found) const
{
    QString text = found == 0
        ? QStringLiteral("%1: not in the word, %2")
              .arg(letter)
              .arg(counted(m_game.state().intWrongGuesses, "wrong guess", "wrong guesses"))
        : QStringLiteral("%1: %2 found").arg(letter).arg(counted(found, "letter", "letters"));
    if (Frame1->isVisibleTo(this)) // the game ended with this guess
        text += QStringLiteral(". %1 (Your Score: %2)")
                    .arg(Frame1->accessibleDescription())
                    .arg(m_game.state().intScore);
    return text;
}

void GameWindow::announceNewWord()
{
    announce(
        QStringLiteral("New word: %1").arg(counted(m_game.state().strWord.size(), "letter", "letters")));
}
