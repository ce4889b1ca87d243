#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// How long a user waits for a window, on the offscreen platform in-process: from an action run
// in an event loop, as the program's own loop runs a click, until the window has been painted
// and, when one is awaited, a message box too.
//
// A window counts as painted once the event that paints it (every widget of it, then the
// flush) has been handled: at its first paint event a call is queued, which runs after that.
// A message box is closed as soon as it has been painted, as if read at once.
class PaintStopwatch : public QObject
{
public:
    struct Times
    {
        double window = -1; // seconds from the action's start; -1 if never painted
        double box = -1;
        QString boxText;
        bool timedOut = false;
        double end() const { return window > box ? window : box; }
    };

    // window: the window waited for, looked up at each paint, since the action may make it; a
    // null answer waits for no window.
    PaintStopwatch(std::function<QWidget *()> window, bool awaitBox);

    Times run(const std::function<void()> &action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool done() const;

    std::function<QWidget *()> m_window;
    bool m_awaitBox;
    QElapsedTimer m_clock;
    Times m_times;
    bool m_started = false;
    bool m_windowSeen = false;
    bool m_boxSeen = false;
    std::function<void()> m_quit;
};
