#include "support/message_recorder.h"

#include "ui/message_box.h"

MessageRecorder::MessageRecorder() {
  ui::setMsgBoxHandler([this](const QString &text, int style) {
    m_messages.append({text, style});
    if (m_action)
      m_action(m_messages.last());
    if (!m_answers.isEmpty())
      return m_answers.takeFirst();
    return style == ui::vbYesNoQuestion ? int(ui::vbYes) : int(ui::vbOK);
  });
}

MessageRecorder::~MessageRecorder() { ui::setMsgBoxHandler({}); }

QStringList MessageRecorder::texts() const {
  QStringList list;
  for (const Message &m : m_messages)
    list.append(m.text);
  return list;
}
