#include "game/show_meaning.h"

#include "ui/controls.h"
#include "ui/fitted_text.h"
#include "ui/listen_button.h"
#include "ui/zoom.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int clientWidth = 4140;
constexpr int clientHeight = 1830;
constexpr int sentenceTop = 480;
constexpr int sentenceHeight = 495;
constexpr int okTop = 1200;
constexpr int listenTop = 1260; // right of OK, level with it
} // namespace

ShowMeaning::ShowMeaning()
{
    ui::makeFixedWindow(this, QStringLiteral("ความหมายของ คำศัพท์"), clientWidth, clientHeight);
    lblMeaning = ui::addLabel(this, "lblMeaning", {}, {360, 120, 3495, 255});
    lblSentence = ui::addLabel(this, "lblSentence", {}, {240, sentenceTop, 3735, sentenceHeight});
    for (QLabel *label : {lblMeaning, lblSentence}) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
    }
    cmdOK = ui::addButton(this, this, "cmdOK", QStringLiteral("OK"), {1440, okTop, 1335, 495},
                          &ShowMeaning::cmdOK_Click);
    cmdListen = ui::addControl<ui::ListenButton>(this, "cmdListen", {3120, listenTop, 360, 360});
    connect(&ui::zoomNotifier(), &ui::ZoomNotifier::zoomed, this, &ShowMeaning::fitText);
}

void ShowMeaning::setCaptions(const QString &meaning, const QString &sentence, const QStringList &spoken)
{
    lblMeaning->setText(meaning);
    lblSentence->setText(sentence);
    cmdListen->setSpeech(spoken, ui::ListenButton::describe(spoken));
    fitText();
}

// Text longer than the labels wraps, and the popup grows downward so that all of it can be
// read; its width stays. Text that fits leaves the popup at its designed size.
void ShowMeaning::fitText()
{
    const int meaningHeight = ui::wrappedHeight(lblMeaning, ui::px(255));
    lblMeaning->resize(lblMeaning->width(), meaningHeight);
    const int gap = ui::px(sentenceTop - 120 - 255);
    const int sentenceY = qMax(ui::px(sentenceTop), lblMeaning->y() + meaningHeight + gap);
    const int sentenceH = ui::wrappedHeight(lblSentence, ui::px(sentenceHeight));
    lblSentence->setGeometry(lblSentence->x(), sentenceY, lblSentence->width(), sentenceH);
    const int grown = (sentenceY + sentenceH) - ui::px(sentenceTop + sentenceHeight);
    cmdOK->move(cmdOK->x(), ui::px(okTop) + grown);
    cmdListen->move(cmdListen->x(), ui::px(listenTop) + grown);
    setFixedSize(ui::px(clientWidth), ui::px(clientHeight) + grown);
}

// Esc closes the popup, as it closes a dialog.
void ShowMeaning::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ShowMeaning::cmdOK_Click()
{
    hide();
}
