#include "support/message_recorder.h"

#include "ui/message_box.h"

MessageRecorder::MessageRecorder()
{
    ui::setMsgBoxHandler([this](const QString &text, int style) {
        texts.append(text);
        styles.append(style);
        if (onMessage)
            onMessage(text);
        if (!answers.isEmpty())
            return answers.takeFirst();
        return style == ui::vbYesNoQuestion ? int(ui::vbYes) : int(ui::vbOK);
    });
}

MessageRecorder::~MessageRecorder()
{
    ui::setMsgBoxHandler({});
}
