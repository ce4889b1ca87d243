#pragma once

#include <QList>
#include <QStringList>

#include <functional>

// Stands in for the message box while it lives: logs every text and style, runs onMessage
// while the box would be open (e.g. to look at the windows behind it), and answers from
// answers, then with OK (or Yes for a question) once they are used up.
struct MessageRecorder
{
    MessageRecorder();
    ~MessageRecorder();
    void clear()
    {
        texts.clear();
        styles.clear();
    }

    QStringList texts;
    QList<int> styles;
    QList<int> answers;
    std::function<void(const QString &text)> onMessage;
};
