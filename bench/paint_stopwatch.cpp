#include "paint_stopwatch.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int patienceMs = 30000;
}

PaintStopwatch::PaintStopwatch(std::function<QWidget *()> window, bool awaitBox)
    : m_window(std::move(window))
    , m_awaitBox(awaitBox)
{ }

bool PaintStopwatch::done() const
{
    const bool windowDone = m_times.window >= 0 || !m_window || !m_window();
    const bool boxDone = !m_awaitBox || m_times.box >= 0;
    return windowDone && boxDone;
}

PaintStopwatch::Times PaintStopwatch::run(const std::function<void()> &action)
{
    m_times = {};
    m_windowSeen = false;
    m_boxSeen = false;
    m_started = false;
    QEventLoop loop;
    m_quit = [&loop] { loop.quit(); };
    qApp->installEventFilter(this);
    QTimer::singleShot(0, &loop, [&] {
        m_started = true;
        m_clock.start();
        action();
        if (done())
            loop.quit();
    });
    QTimer::singleShot(patienceMs, &loop, [&] {
        m_times.timedOut = true;
        loop.quit();
    });
    loop.exec();
    qApp->removeEventFilter(this);
    m_quit = nullptr;
    return m_times;
}

bool PaintStopwatch::eventFilter(QObject *watched, QEvent *event)
{
    // Paints left over from before the action are not the ones waited for.
    if (!m_started || event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    QWidget *top = static_cast<QWidget *>(watched)->window();
    if (!m_windowSeen && m_window && top == m_window()) {
        m_windowSeen = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_times.window = static_cast<double>(m_clock.nsecsElapsed()) * 1e-9;
                if (done() && m_quit)
                    m_quit();
            },
            Qt::QueuedConnection);
    } else if (auto *box = qobject_cast<QMessageBox *>(top); box && !m_boxSeen) {
        m_boxSeen = true;
        QMetaObject::invokeMethod(
            this,
            [this, shown = QPointer<QMessageBox>(box)] {
                m_times.box = static_cast<double>(m_clock.nsecsElapsed()) * 1e-9;
                if (shown) {
                    m_times.boxText = shown->text();
                    shown->done(QMessageBox::Ok);
                }
                if (done() && m_quit)
                    m_quit();
            },
            Qt::QueuedConnection);
    }
    return false;
}
