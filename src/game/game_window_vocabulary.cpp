// The main window's vocabulary: reading a file, the word order, taking the next word and
// switching to another built-in category.
#include "game/game_window.h"

#include "game/word_order.h"
#include "storage/vocabulary_reader.h"
#include "ui/file_system.h"
#include "ui/message_box.h"
#include "ui/picture.h"
#include "ui/twips.h"

#include <QDateTime>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <cmath>
#include <utility>

namespace {

std::function<quint32()> &seedSource() {
  static std::function<quint32()> source = [] {
    return static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() ^
                                quint64(QDateTime::currentMSecsSinceEpoch() >> 32));
  };
  return source;
}

const QString fileInUseCaption = QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  ");

} // namespace

void GameWindow::setSeedSource(std::function<quint32()> source) { seedSource() = std::move(source); }

// Reads a whole vocabulary file into the word table. A file that cannot be used changes
// nothing of the vocabulary in use: the player is told which file and why.
bool GameWindow::RetrieveData(const QString &path) {
  const QString previousCaption = lblFileInUse->text();
  lblFileInUse->setText(fileInUseCaption + ui::shortName(path));
  std::optional<QList<VocabEntry>> entries = std::exchange(m_checkedEntries, std::nullopt);
  if (!entries)
    entries = readVocabulary(path, blnBuiltIn ? VocabularyUse::BuiltIn : VocabularyUse::Custom);
  if (!entries) {
    lblFileInUse->setText(previousCaption);
    return false;
  }
  TakeVocabulary(std::move(*entries));
  setVocabularyInUse({blnBuiltIn, ui::shortName(path)});
  return true;
}

void GameWindow::setVocabularyInUse(VocabularyInUse vocabulary) {
  m_vocabularyInUse = std::move(vocabulary);
  emit vocabularyInUseChanged();
}

// Takes a file that was read and found usable: the table, its count and a new order.
void GameWindow::TakeVocabulary(QList<VocabEntry> entries) {
  arrWordTable = std::move(entries);
  intWordCount = static_cast<qint16>(arrWordTable.size());
  MakeWordOrder(intWordCount);
}

void GameWindow::MakeWordOrder(qint16 n) {
  QRandomGenerator generator(seedSource()());
  arrWordOrder = word_order::draw(n, generator);
}

void GameWindow::SelectWord() {
  cmdHint02->setEnabled(false);
  showHint(lblHint01, {}, hint01Description);
  showHint(lblHint02, {}, hint02Description);
  intWrongGuesses = 0;
  intLettersFound = 0;
  double nextLeft = ui::twips(Word[1]->x()) + ui::twips(Word[1]->width());

  const VocabEntry &entry = arrWordTable.at(arrWordOrder.at(intNextWord) - 1);
  strWord = entry.word;
  strHint01 = entry.hint01;
  strHint02 = entry.hint02;
  if (blnBuiltIn) {
    strMeaning = entry.meaning;
    strSentence = entry.sentence;
  }
  ++intNextWord;
  if (intNextWord >= intWordCount + 1)
    intNextWord = 1;
  strWord = strWord.toUpper();

  const qsizetype length = strWord.size();
  for (int i = 1; i <= length; ++i) {
    if (i > 1) {
      QLabel *slot = Word.Load(i);
      slot->move(ui::px(nextLeft), Word[1]->y());
      // A screen reader takes the controls in stacking order: a slot follows the slot before.
      slot->stackUnder(imgPindrel);
      nextLeft += ui::twips(Word[1]->width());
    }
    Word[i]->show();
  }
  describeSlots();
  announceNewWord();
  // The window itself takes the keys of a new word: a Space or Enter meant for nothing does
  // not press a button that costs a point. Tab still goes to the buttons.
  setFocus(Qt::OtherFocusReason);
}

// The 26 letter keys, made from Letter(0): two rows that touch, "A" to "M" and "N" to "Z".
void GameWindow::LayOutKeys() {
  QLabel *first = Letter[0];
  double top = ui::twips(first->y());
  first->setText(QString(QChar(65)));
  if (!first->isEnabled())
    first->setEnabled(true);
  const auto keyWidth = static_cast<qint16>(std::nearbyint(ui::twips(first->width())));
  double left = ui::twips(first->x()) + keyWidth;
  qint16 nextCode = 66;
  for (int i = 1; i <= 25; ++i) {
    QLabel *key = Letter.Load(i);
    if (i == 13) {
      top += ui::twips(first->height());
      left = ui::twips(first->x());
    }
    key->move(ui::px(left), ui::px(top));
    key->stackUnder(Word[1]); // read in order by a screen reader: A to Z, then the slots
    key->setText(QString(QChar(nextCode)));
    left += keyWidth;
    key->show();
    ++nextCode;
  }
  for (int i = 0; i <= 25; ++i)
    describeKey(i, false);
}

// With no vocabulary there is no word to play: the menu stays usable to choose another.
void GameWindow::ShowNoVocabulary() {
  for (int i = 0; i <= 25; ++i)
    Letter[i]->setEnabled(false);
  cmdHint01->setEnabled(false);
  cmdHint02->setEnabled(false);
}

void GameWindow::ChooseCategory(const QString &name) {
  // A category that cannot be used leaves the game as it is.
  std::optional<QList<VocabEntry>> entries =
      readVocabulary(ui::programPath(name), VocabularyUse::BuiltIn);
  if (!entries)
    return;

  emptyDiffList();
  blnBuiltIn = true;
  Word[1]->setText(QString());
  for (int i = 1; i <= 25; ++i)
    Letter.Unload(i);
  ResetBoard();
  for (qsizetype i = 2; i <= strWord.size(); ++i)
    Word.Unload(static_cast<int>(i));
  cmdHint01->setEnabled(true);
  cmdHint02->setEnabled(false);
  showHint(lblHint01, {}, hint01Description);
  showHint(lblHint02, {}, hint02Description);
  // RetrieveData, on the file read before anything changed.
  lblFileInUse->setText(fileInUseCaption + name);
  TakeVocabulary(std::move(*entries));
  setVocabularyInUse({true, name});
  SelectWord();
}

void GameWindow::mnuHouse_Click() { ChooseCategory(QStringLiteral("house.txt")); }
void GameWindow::mnuSchool_Click() { ChooseCategory(QStringLiteral("school.txt")); }
void GameWindow::mnuAnimals_Click() { ChooseCategory(QStringLiteral("animals.txt")); }
