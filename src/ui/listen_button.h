#pragma once

#include <QPointer>
#include <QStringList>
#include <QToolButton>

namespace ui {

class Speaker;

// A small speaker button that says English texts aloud through the program's speaker. Its
// accessible name and tooltip say what it speaks; Tab reaches it, Enter or Space presses it.
// While speech cannot be used it is disabled, with the reason as its tooltip.
//
// It asks for the speaker when it is first shown, not when it is made, so that speech starts
// when a player first meets the button and not with the window that holds it; each time it is
// shown again, a speaker that could not speak looks again.
class ListenButton : public QToolButton
{
    Q_OBJECT

public:
    explicit ListenButton(QWidget *parent = nullptr);

    // What a click speaks, in order, and the description (Thai, then English) that names it.
    void setSpeech(const QStringList &texts, const QString &description);
    // The description of a word alone, or of a word and its example sentence.
    static QString describe(const QStringList &texts);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void listen();
    void showAvailability();

    QPointer<Speaker> m_speaker;
    QStringList m_texts;
    QString m_description;
};

} // namespace ui
