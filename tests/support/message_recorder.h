#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Stands in for the message box while it lives: logs every (text, style) and answers from a
// script, then with OK (or Yes for a question) once the script is used up.
class MessageRecorder {
public:
  struct Message {
    QString text;
    int style;
  };

  MessageRecorder();
  ~MessageRecorder();

  void answerNext(int answer) { m_answers.append(answer); }
  // Runs while the box would be open, e.g. to look at the windows behind it.
  void onMessage(std::function<void(const Message &)> action) { m_action = std::move(action); }

  const QList<Message> &messages() const { return m_messages; }
  QStringList texts() const;
  int count() const { return static_cast<int>(m_messages.size()); }
  void clear() { m_messages.clear(); }

private:
  QList<Message> m_messages;
  QList<int> m_answers;
  std::function<void(const Message &)> m_action;
};
