// The play of one word: the board resets, the guess, winning and losing, hints and the
// difficult words.
#include "game/game_window.h"

#include "game/guess.h"
#include "game/int16.h"
#include "game/show_meaning.h"
#include "ui/file_system.h"
#include "ui/fitted_text.h"
#include "ui/forms.h"
#include "ui/picture.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int lastStage = 9;
constexpr int resultHeight = 900; // the designed height of Label1, in twips

QString stageFile(int stage) {
  return ui::programPath(QStringLiteral("0%1.jpg").arg(stage));
}

} // namespace

void GameWindow::ShowStage(int stage) {
  imgPindrel->clearPicture();
  imgPindrel->setPicture(ui::LoadPicture(stageFile(stage)));
}

void GameWindow::ShowScore() { showScoreCaption(QString::number(intScore)); }

// Every score from -32768 to 32767 shows whole: the label widens about its centre as far as
// the number needs, between the letter keys and the window's edge.
void GameWindow::showScoreCaption(const QString &caption) {
  lblScore->setText(caption);
  const int keysRight = Letter[0]->x() + 13 * Letter[0]->width();
  ui::widenAboutCentre(lblScore, ui::twipsRect(7320, 600, 855, 855), keysRight, m_client->width());
}

// A hint the player paid for is read whole, in its box: smaller when it must be, cut with its
// whole text in the tooltip only when even the smallest size is too wide.
void GameWindow::showHint(QLabel *label, const QString &hint, const QString &description) {
  ui::showOnOneLine(label, QApplication::font(), 7, hint, description);
}

void GameWindow::ResetBoard() {
  intNextWord = 1;
  showScoreCaption(QStringLiteral("0"));
  intScore = 0;
  Frame1->hide();
  ShowStage(0);
  LayOutKeys();
}

void GameWindow::StartNextWord() {
  cmdHint01->setEnabled(true);
  Frame1->hide();
  ShowStage(0);
  const int last = Word.UBound();
  for (int i = 2; i <= last; ++i)
    Word.Unload(i);
  for (int i = 0; i <= 25; ++i) {
    Letter[i]->setEnabled(true);
    describeKey(i, false);
  }
  Word[1]->setText(QString());
  SelectWord();
}

void GameWindow::Letter_Click(int index) { Guess(index); }

void GameWindow::Form_KeyPress(int KeyAscii) {
  const int index = guess::keyIndexOf(KeyAscii);
  if (index >= 0 && Letter[index]->isEnabled())
    Guess(index);
}

void GameWindow::Guess(int index) {
  const QChar letter = Letter[index]->text().at(0);
  const QList<qsizetype> positions = guess::positionsOf(strWord, letter);
  if (positions.isEmpty()) {
    intWrongGuesses = int16::add(intWrongGuesses, 1);
    if (intWrongGuesses >= 1 && intWrongGuesses <= 8)
      ShowStage(intWrongGuesses);
  } else {
    for (const qsizetype p : positions) {
      Word[static_cast<int>(p)]->setText(letter);
      intLettersFound = int16::add(intLettersFound, 1);
    }
  }
  if (intWrongGuesses >= lastStage) {
    ShowStage(lastStage);
    GameLost();
  }
  if (intLettersFound == strWord.size())
    GameWon();
  Letter[index]->setEnabled(false);
  describeKey(index, true);
  announce(guessResult(letter, positions.size()));
}

// The result panel. A loss message with a long word needs a third line: the label grows down
// towards the buttons rather than cut the word off. The panel's description holds the result
// for a screen reader, and its first button takes the keyboard, so that Enter or Space goes
// on to the next word.
void GameWindow::showResult() {
  const int designHeight = ui::px(resultHeight);
  const int room = Command1[0]->y() - Label1->y();
  const int needed = Label1->heightForWidth(Label1->width());
  Label1->resize(Label1->width(), qBound(designHeight, needed, room));
  Frame1->setAccessibleDescription(Label1->text().simplified());
  Frame1->show();
  Command1[0]->setFocus(Qt::OtherFocusReason);
}

void GameWindow::GameWon() {
  for (int i = 0; i <= 25; ++i)
    Letter[i]->setEnabled(false);
  cmdHint01->setEnabled(false);
  cmdHint02->setEnabled(false);
  Label1->setText(QStringLiteral("You've Won!"));
  showResult();
  intScore = int16::add(intScore, 2);
  ShowScore();
}

void GameWindow::GameLost() {
  for (int i = 0; i <= 25; ++i)
    Letter[i]->setEnabled(false);
  cmdHint01->setEnabled(false);
  cmdHint02->setEnabled(false);

  lstDifficultWords->addItem(strWord);
  const int n = lstDifficultWords->count() - 1;
  for (QStringList &row : arrDiffInfo)
    row.resize(n + 1);
  arrDiffInfo[0][n] = strMeaning;
  arrDiffInfo[1][n] = strSentence;

  Label1->setText(QStringLiteral("You've Lost! ") + QChar(10) + QChar(13) +
                  QStringLiteral("The Word Was ") + strWord);
  showResult();
  ShowScore();
}

void GameWindow::cmdHint01_Click() {
  const bool hadFocus = focusWidget() == cmdHint01;
  showHint(lblHint01, strHint01, hint01Description);
  intScore = int16::add(intScore, -1);
  ShowScore();
  cmdHint01->setEnabled(false);
  cmdHint02->setEnabled(true);
  if (hadFocus) // on to the second hint, not to the list the focus fell to
    cmdHint02->setFocus(Qt::TabFocusReason);
  announce(QStringLiteral("Hint 1: %1 (Your Score: %2)").arg(strHint01).arg(intScore));
}

void GameWindow::cmdHint02_Click() {
  showHint(lblHint02, strHint02, hint02Description);
  intScore = int16::add(intScore, -1);
  ShowScore();
  cmdHint02->setEnabled(false);
  announce(QStringLiteral("Hint 2: %1 (Your Score: %2)").arg(strHint02).arg(intScore));
}

void GameWindow::Command1_Click(int index) {
  if (index == 0)
    StartNextWord();
  else if (index == 1)
    ui::forms::Unload(QString::fromLatin1(formName));
}

void GameWindow::emptyDiffList() {
  for (int i = lstDifficultWords->count() - 1; i >= 0; --i)
    delete lstDifficultWords->takeItem(i);
}

void GameWindow::lstDifficultWords_Click() {
  const QList<QListWidgetItem *> selected = lstDifficultWords->selectedItems();
  if (selected.isEmpty())
    return;
  const int j = lstDifficultWords->row(selected.first());
  ShowMeaning *popup = ui::forms::Load<ShowMeaning>();
  if (blnBuiltIn) {
    popup->setCaptions(lstDifficultWords->item(j)->text() + QStringLiteral(":   ") + arrDiffInfo[0].value(j),
                       arrDiffInfo[1].value(j));
  } else {
    popup->setCaptions(QString(),
                       QStringLiteral("กรุณา ศึกษาความหมาย และการใช้ในประโยค จากผู้ที่จัดทำคำศัพท์ชุดนี้ นะครับ"));
  }
  ui::forms::Show<ShowMeaning>();
}
