#pragma once

#include "game/game_window.h"
#include "support/windows.h"

#include <QLabel>
#include <QListWidget>

// What a player sees of the main window's board, and typing at it.
namespace testing {

// What the meaning popup asks for when the vocabulary in use has no meanings.
inline const QString askTheAuthor = QStringLiteral(
    "กรุณา ศึกษาความหมาย และการใช้ในประโยค จากผู้ที่จัดทำคำศัพท์ชุดนี้ นะครับ");

// The caption of a label; empty when the label is missing (the lookup warns).
inline QString caption(const QObject *window, const QString &name) {
  const auto *label = control<QLabel>(window, name);
  return label ? label->text() : QString();
}

// Letter key i of the main window: 0 is "A".
inline QLabel *key(const GameWindow *window, int i) {
  return control<QLabel>(window, QStringLiteral("Letter_%1").arg(i));
}

inline int enabledKeys(const GameWindow *window) {
  int enabled = 0;
  for (int i = 0; i <= 25; ++i)
    enabled += key(window, i)->isEnabled() ? 1 : 0;
  return enabled;
}

// Types letters at the main window, as a player does instead of clicking the keys.
inline void press(QWidget *window, const QString &letters) {
  for (const QChar c : letters)
    QTest::keyClick(window, c.toLatin1());
}

inline QListWidget *difficultWords(const GameWindow *window) {
  return control<QListWidget>(window, QStringLiteral("lstDifficultWords"));
}

} // namespace testing
