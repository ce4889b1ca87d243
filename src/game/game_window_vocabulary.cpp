// The main window's vocabulary: reading a file, taking the next word, laying out the keys and
// switching to another built-in category.
#include "game/game_window.h"

#include "storage/vocabulary_reader.h"
#include "ui/file_system.h"
#include "ui/picture.h"
#include "ui/text_lines.h"
#include "ui/twips.h"

#include <QLabel>
#include <QListWidget>

#include <cmath>
#include <utility>

namespace {
const QString fileInUseCaption = QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  ");
} // namespace

// Reads a whole vocabulary file and makes it the one in use. A file that cannot be used changes
// nothing of the vocabulary in use: the player is told which file and why.
bool GameWindow::RetrieveData(const QString &path, bool builtIn)
{
    const QString previousCaption = lblFileInUse->text();
    // A name may hold a line break: on one line, it is shown whole.
    lblFileInUse->setText(fileInUseCaption + ui::joinLines(ui::shortName(path)));
    std::optional<QList<VocabEntry>> entries = std::exchange(m_checkedEntries, std::nullopt);
    if (!entries)
        entries = readVocabulary(path, builtIn ? VocabularyUse::BuiltIn : VocabularyUse::Custom);
    if (!entries) {
        lblFileInUse->setText(previousCaption);
        return false;
    }
    m_game.TakeVocabulary({builtIn, ui::shortName(path)}, std::move(*entries));
    emit vocabularyInUseChanged();
    return true;
}

void GameWindow::SelectWord()
{
    m_game.SelectWord();
    showNewWord();
}

// A new word: its slots, one a letter, each to the right of the one before; empty hints.
void GameWindow::showNewWord()
{
    showRound();
    showHint(lblHint01, {}, hint01Description);
    showHint(lblHint02, {}, hint02Description);
    const ui::Twips firstSlot = ui::placed(Word[1]);
    double nextLeft = firstSlot.left + firstSlot.width;
    const qsizetype length = m_game.state().strWord.size();
    for (int i = 1; i <= length; ++i) {
        if (i > 1) {
            QLabel *slot = Word.Load(i);
            ui::moveTo(slot, nextLeft, firstSlot.top);
            // A screen reader takes the controls in stacking order: a slot follows the slot before.
            slot->stackUnder(imgPindrel);
            nextLeft += firstSlot.width;
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
void GameWindow::LayOutKeys()
{
    QLabel *first = Letter[0];
    const ui::Twips firstKey = ui::placed(first);
    double top = firstKey.top;
    first->setText(QString(QChar(65)));
    if (!first->isEnabled())
        first->setEnabled(true);
    const auto keyWidth = static_cast<qint16>(std::nearbyint(firstKey.width));
    double left = firstKey.left + keyWidth;
    qint16 nextCode = 66;
    for (int i = 1; i <= 25; ++i) {
        QLabel *key = Letter.Load(i);
        if (i == 13) {
            top += firstKey.height;
            left = firstKey.left;
        }
        ui::moveTo(key, left, top);
        key->stackUnder(Word[1]); // read in order by a screen reader: A to Z, then the slots
        key->setText(QString(QChar(nextCode)));
        left += keyWidth;
        key->show();
        ++nextCode;
    }
    for (int i = 0; i < game::keyCount; ++i)
        describeKey(i);
}

// A category that cannot be read leaves the game as it is; otherwise the game starts afresh on
// it, whatever state the word in play was in.
void GameWindow::ChooseCategory(const QString &name)
{
    std::optional<QList<VocabEntry>> entries
        = readVocabulary(ui::programPath(name), VocabularyUse::BuiltIn);
    if (!entries)
        return;
    m_game.ChooseCategory(name, std::move(*entries));
    showChosenVocabulary();
}

// A vocabulary chosen from the menu: the board starts afresh on its first word.
void GameWindow::showChosenVocabulary()
{
    emptyDiffList();
    Word[1]->setText(QString());
    for (int i = 1; i <= 25; ++i)
        Letter.Unload(i);
    ResetBoard();
    const int lastSlot = Word.UBound();
    for (int i = 2; i <= lastSlot; ++i)
        Word.Unload(i);
    lblFileInUse->setText(fileInUseCaption + m_game.state().vocabularyInUse.fileName);
    emit vocabularyInUseChanged();
    showNewWord();
}
