#include "support/game.h"

#include "game/game_window.h"
#include "support/program_folder.h"
#include "support/windows.h"
#include "ui/forms.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace testing {

GameWindow *startGameOn(const ProgramFolder &folder, const QString &schoolLines) {
  folder.write(QStringLiteral("school.txt"), cp874(schoolLines));
  return ui::forms::Load<GameWindow>();
}

void winGame(GameWindow *window) {
  for (const QChar c : window->strWord)
    QTest::keyClick(window, c.toLatin1());
}

void loseGame(GameWindow *window) {
  int wrong = 0;
  for (char c = 'A'; c <= 'Z' && wrong < 9; ++c)
    if (!window->strWord.contains(QLatin1Char(c))) {
      QTest::keyClick(window, c);
      ++wrong;
    }
}

void addEntry(QWidget *editor, const QString &word, const QString &hint01, const QString &hint02) {
  control<QLineEdit>(editor, "txtVocab")->setText(word);
  control<QLineEdit>(editor, "txtHint01")->setText(hint01);
  control<QLineEdit>(editor, "txtHint02")->setText(hint02);
  click(control<QPushButton>(editor, "cmdNext"));
}

void selectItem(QListWidget *list, const QString &text) {
  const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
  QVERIFY2(!items.isEmpty(), qPrintable(text));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(items.first()).center());
}

namespace {
void choose(GameWindow *window, const char *command, const char *dialogName, const char *list,
            const QString &name) {
  control<QAction>(window, command)->trigger();
  QWidget *dialog = ui::forms::find(QString::fromLatin1(dialogName));
  if (!name.isEmpty())
    selectItem(control<QListWidget>(dialog, list), name);
  click(control<QPushButton>(dialog, "cmdOK"));
  processDeferredDeletes();
}
} // namespace

void chooseCustomVocabulary(GameWindow *window, const QString &name) {
  choose(window, "mnuCustVocab", "frmSelectCustVocab", "File1", name);
}

void chooseForEditing(GameWindow *window, const QString &name) {
  choose(window, "mnuEditData", "frmChooseFile", "ChooseFile", name);
}

} // namespace testing
