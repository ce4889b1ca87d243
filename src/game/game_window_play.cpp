// The play of one word on the board: the guess, the gallows, the result, the hints, the score,
// and the difficult words. The game core decides each step; these show it.
#include "game/game_window.h"

#include "game/show_meaning.h"
#include "ui/file_system.h"
#include "ui/fitted_text.h"
#include "ui/forms.h"
#include "ui/listen_button.h"
#include "ui/picture.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int resultHeight = 900; // the designed height of Label1, in twips

QString stageFile(int stage)
{
    return ui::programPath(QStringLiteral("0%1.jpg").arg(stage));
}

} // namespace

void GameWindow::ShowStage(int stage)
{
    imgPindrel->clearPicture();
    imgPindrel->setPicture(ui::LoadPicture(stageFile(stage)));
}

// Every score from -32768 to 32767 shows whole: the label widens about its centre as far as
// the number needs, between the letter keys and the window's edge.
void GameWindow::ShowScore()
{
    lblScore->setText(QString::number(m_game.state().intScore));
    const int keysRight = Letter[0]->x() + 13 * Letter[0]->width();
    ui::widenAboutCentre(lblScore, ui::twipsRect(scoreDesign), keysRight, m_client->width());
}

// A hint the player paid for is read whole, in its box: smaller when it must be, cut with its
// whole text in the tooltip only when even the smallest size is too wide.
void GameWindow::showHint(QLabel *label, const QString &hint, const QString &description)
{
    ui::showOnOneLine(label, QApplication::font(), 7, hint, description);
}

// Which keys and hint buttons the player may use now.
void GameWindow::showRound()
{
    for (int i = 0; i < game::keyCount; ++i)
        showKey(i);
    showHintButtons();
}

void GameWindow::showKey(int index)
{
    Letter[index]->setEnabled(m_game.keyEnabled(index));
    describeKey(index);
}

void GameWindow::showHintButtons()
{
    cmdHint01->setEnabled(m_game.canTakeHint01());
    cmdHint02->setEnabled(m_game.canTakeHint02());
}

// The board starts afresh: score 0, no result, the empty gallows, all 26 keys made anew.
void GameWindow::ResetBoard()
{
    ShowScore();
    Frame1->hide();
    ShowStage(0);
    LayOutKeys();
}

void GameWindow::StartNextWord()
{
    Frame1->hide();
    ShowStage(0);
    const int last = Word.UBound();
    for (int i = 2; i <= last; ++i)
        Word.Unload(i);
    Word[1]->setText(QString());
    m_game.StartNextWord();
    showNewWord();
}

void GameWindow::Letter_Click(int index)
{
    Guess(index);
}

void GameWindow::Form_KeyPress(int KeyAscii)
{
    const int index = game::keyIndexOf(KeyAscii);
    if (index >= 0 && Letter[index]->isEnabled())
        Guess(index);
}

void GameWindow::Guess(int index)
{
    const game::GuessResult guess = m_game.Guess(index);
    if (!guess.counted)
        return;
    const game::GameState &state = m_game.state();
    const QChar letter = game::keyLetter(index);
    for (const qsizetype p : guess.positions)
        Word[static_cast<int>(p)]->setText(letter);
    if (guess.stage >= 0)
        ShowStage(guess.stage);
    if (guess.reviewChanged)
        SaveReviewList();
    if (state.outcome == game::Outcome::Lost) {
        lstDifficultWords->addItem(state.strWord);
        Label1->setText(QStringLiteral("You've Lost! ") + QChar(10) + QChar(13)
                        + QStringLiteral("The Word Was ") + state.strWord);
    } else if (state.outcome == game::Outcome::Won) {
        Label1->setText(QStringLiteral("You've Won!"));
    }
    if (state.outcome == game::Outcome::Playing) {
        showKey(index);
    } else {
        showRound();
        showResult();
        ShowScore();
    }
    announce(guessResult(letter, guess.positions.size()));
}

// The result panel. A loss message with a long word needs a third line: the label grows down
// towards the buttons rather than cut the word off. The panel's description holds the result
// for a screen reader, and its first button takes the keyboard, so that Enter or Space goes
// on to the next word.
void GameWindow::showResult()
{
    fitResult();
    Frame1->setAccessibleDescription(Label1->text().simplified());
    const QStringList spoken = m_game.spokenAfterRound();
    cmdListen->setSpeech(spoken, ui::ListenButton::describe(spoken));
    Frame1->show();
    Command1[0]->setFocus(Qt::OtherFocusReason);
}

void GameWindow::fitResult()
{
    const int designHeight = ui::px(resultHeight);
    const int room = Command1[0]->y() - Label1->y();
    const int needed = Label1->heightForWidth(Label1->width());
    Label1->resize(Label1->width(), qBound(designHeight, needed, room));
}

void GameWindow::cmdHint01_Click()
{
    const bool hadFocus = focusWidget() == cmdHint01;
    if (!m_game.TakeHint01())
        return;
    showHint(lblHint01, m_game.state().strHint01, hint01Description);
    ShowScore();
    showHintButtons();
    if (hadFocus) // on to the second hint, not to the list the focus fell to
        cmdHint02->setFocus(Qt::TabFocusReason);
    announce(QStringLiteral("Hint 1: %1 (Your Score: %2)")
                 .arg(m_game.state().strHint01)
                 .arg(m_game.state().intScore));
}

void GameWindow::cmdHint02_Click()
{
    if (!m_game.TakeHint02())
        return;
    showHint(lblHint02, m_game.state().strHint02, hint02Description);
    ShowScore();
    showHintButtons();
    announce(QStringLiteral("Hint 2: %1 (Your Score: %2)")
                 .arg(m_game.state().strHint02)
                 .arg(m_game.state().intScore));
}

void GameWindow::Command1_Click(int index)
{
    if (index == 0)
        StartNextWord();
    else if (index == 1)
        ui::forms::Unload(QString::fromLatin1(formName));
}

// The list as the game keeps it: emptied from its last item to its first.
void GameWindow::emptyDiffList()
{
    // A removed item moves the selection, which is no click: the game's list is already empty,
    // so there is no word to look up.
    const QSignalBlocker quiet(lstDifficultWords->selectionModel());
    for (int i = lstDifficultWords->count() - 1; i >= 0; --i)
        delete lstDifficultWords->takeItem(i);
}

void GameWindow::lstDifficultWords_Click()
{
    const QList<QListWidgetItem *> selected = lstDifficultWords->selectedItems();
    if (selected.isEmpty())
        return;
    const game::DifficultWord word = m_game.lookUp(lstDifficultWords->row(selected.first()));
    ui::forms::Load<ShowMeaning>()->setCaptions(word.meaningCaption, word.sentenceCaption, word.spoken);
    ui::forms::Show<ShowMeaning>();
}
