#pragma once

#include "game/game_window.h"
#include "storage/pindrel_module.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/recording_speaker.h"
#include "ui/forms.h"
#include "ui/message_box.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

// Helpers for tests that drive the real windows: the registry, the main window's board, the
// editor and the file choosers.
namespace testing {

// What every window test starts from: a temporary program folder and user data folder, the
// message recorder in the message box's place, and after each test the program as it starts (no
// window loaded, no file in use or being edited). A window test's class derives from it.
class WindowTest : public QObject
{
    Q_OBJECT

protected:
    ProgramFolder &folder() const { return *m_folder; }
    MessageRecorder &messages() const { return *m_messages; }

private slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<MessageRecorder> m_messages;
};

// What the program sets up before its first window (names, fonts), for a test program that
// drives the windows; WINDOWS_TEST_MAIN runs it.
void prepareProgram();
// What the listen buttons of the windows said; no real engine is started by a window test.
RecordingSpeaker &speech();

// Unloads every window that is loaded, lets the deferred deletions run and forgets the file in
// use and the file being edited, so each test starts as the program does.
void resetProgram();
// Lets windows unloaded inside a handler be destroyed, as the event loop would.
void processDeferredDeletes();

// A loaded window by its form name; null when it is not loaded.
inline QWidget *form(const char *name)
{
    return ui::forms::find(QString::fromLatin1(name));
}
inline GameWindow *mainWindow()
{
    return ui::forms::get<GameWindow>();
}

// Something a data-driven test does to a window, one per row.
using Act = std::function<void()>;

// A control of a window, by its objectName; warns when it is missing.
template<class T> T *control(const QObject *window, const QString &name)
{
    T *found = window ? window->findChild<T *>(name) : nullptr;
    if (!found)
        qWarning("control %s not found", qPrintable(name));
    return found;
}

// A menu item of a window, by its objectName.
inline QAction *menuItem(const QObject *window, const char *name)
{
    return control<QAction>(window, QString::fromLatin1(name));
}

// What Qt shows of a text: rich text when its format says so, or when the format is left to Qt
// (as for tooltips) and the text looks like markup.
QString shown(const QString &text, Qt::TextFormat format = Qt::AutoText);
inline QString shown(const QLabel *label)
{
    return shown(label->text(), label->textFormat());
}

// The caption of a label; empty when the label is missing (the lookup warns).
QString caption(const QObject *window, const QString &name);

// The help window, while it is shown.
QTextBrowser *helpWindow();

// A left click in the middle of a widget, or of the named button of a window; it fails when the
// widget is hidden or disabled, as a player could not click it then.
void click(QWidget *widget);
void click(const QObject *window, const char *button);
// Clicks the item of that text, as a user picks a file in a list.
void selectItem(QListWidget *list, const QString &text);

// Shows the main window on a "school.txt" that holds these lines (in code page 874).
GameWindow *startGameOn(const ProgramFolder &folder, const QString &schoolLines);
// What the game core of the window stands at.
const game::GameState &state(const GameWindow *window);
// Types nine letters that are not in the current word.
void loseGame(GameWindow *window);

// What a player sees of the game in play: "panel 1" while the result shows, the letter keys
// and hint buttons enabled ("hints 10": only the first), the score and the difficult words.
QString board(const GameWindow *window);

// Types an entry into the editor's three boxes and adds it.
void addEntry(QWidget *editor, const QString &word, const QString &hint01, const QString &hint02);

// The menu command (mnuCustVocab or mnuEditData), the file picked in the chooser it opens
// (none when empty) and OK.
void chooseFile(QAction *command, const QString &name);

} // namespace testing

// The main() of a test program that drives the windows, as QTEST_MAIN, with the application
// prepared as the program prepares it.
#define WINDOWS_TEST_MAIN(TestObject) \
    int main(int argc, char *argv[]) \
    { \
        QApplication app(argc, argv); \
        app.setAttribute(Qt::AA_Use96Dpi, true); \
        testing::prepareProgram(); \
        TestObject tc; \
        QTEST_SET_MAIN_SOURCE_PATH \
        return QTest::qExec(&tc, argc, argv); \
    }

Q_DECLARE_METATYPE(testing::Act)
