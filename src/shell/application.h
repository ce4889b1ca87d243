#pragma once

#include <QObject>

#include <functional>

namespace pindrel {

// Starts the user-interface runtime and shows the splash; returns the exit status.
int run(int argc, char *argv[]);

// What every run of the program sets up before a window opens: names, fonts, the speaker that
// drives the speech helper beside the program. Tests run it too.
void prepareApplication();

// Ends the program once neither the splash nor the main window is loaded: every window still
// loaded (hidden ones too) is unloaded, the help window closed, and quit runs once. It looks
// only after the unloading handler has returned, so a main window that is unloaded and loaded
// again inside one handler keeps the program running.
class ProgramEnd : public QObject
{
    Q_OBJECT

public:
    explicit ProgramEnd(std::function<void()> quit, QObject *parent = nullptr);

private:
    void checkAfterUnload();

    std::function<void()> m_quit;
    bool m_ended = false;
};

} // namespace pindrel
