#include "ui/listen_button.h"

#include "ui/speaker.h"

#include <QIcon>
#include <QKeyEvent>

namespace ui {

ListenButton::ListenButton(QWidget *parent)
    : QToolButton(parent)
{
    setIcon(QIcon(QStringLiteral(":/resources/speaker.png")));
    setIconSize(QSize(16, 16));
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QToolButton::clicked, this, &ListenButton::listen);
}

void ListenButton::setSpeech(const QStringList &texts, const QString &description)
{
    m_texts = texts;
    m_description = description;
    setAccessibleName(description);
    showAvailability();
}

QString ListenButton::describe(const QStringList &texts)
{
    return texts.size() > 1
        ? QStringLiteral("ฟังคำศัพท์และประโยคตัวอย่าง / Listen to the word and its example sentence")
        : QStringLiteral("ฟังคำศัพท์ / Listen to the word");
}

void ListenButton::showEvent(QShowEvent *event)
{
    if (!m_speaker) {
        m_speaker = speaker();
        if (m_speaker)
            connect(m_speaker, &Speaker::availabilityChanged, this, &ListenButton::showAvailability);
    }
    if (m_speaker)
        m_speaker->recheck();
    showAvailability();
    QToolButton::showEvent(event);
}

// Enter presses it as it presses the window's other buttons; Space is QToolButton's own.
void ListenButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void ListenButton::listen()
{
    if (m_speaker)
        m_speaker->say(m_texts);
}

void ListenButton::showAvailability()
{
    const QString reason = m_speaker ? m_speaker->unavailableReason() : QString();
    setEnabled(reason.isEmpty());
    setToolTip(reason.isEmpty() ? m_description : reason);
    setAccessibleDescription(reason);
}

} // namespace ui
