#pragma once

#include <QString>

class GameWindow;
class ProgramFolder;
class QListWidget;
class QWidget;

// Helpers for tests that play the main window, fill the editor or choose files in dialogs.
namespace testing {

// Loads the main window, hidden, on a "school.txt" that holds these lines (in code page 874).
GameWindow *startGameOn(const ProgramFolder &folder, const QString &schoolLines);

// Types every letter of the current word, or nine letters that are not in it.
void winGame(GameWindow *window);
void loseGame(GameWindow *window);

// Types an entry into the editor's three boxes and adds it.
void addEntry(QWidget *editor, const QString &word, const QString &hint01, const QString &hint02);

// Clicks the item of that text, as a user picks a file in a list.
void selectItem(QListWidget *list, const QString &text);

// The menu command, the file picked (none when empty) and OK: the custom-vocabulary chooser
// of the game, or the chooser that opens a file in the editor.
void chooseCustomVocabulary(GameWindow *window, const QString &name);
void chooseForEditing(GameWindow *window, const QString &name);

} // namespace testing
