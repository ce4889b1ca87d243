#pragma once

#include "ui/message_style.h"

#include <QString>

#include <functional>

namespace ui {

// Answers.
enum MsgBoxAnswer : int { vbOK = 1, vbYes = 6, vbNo = 7 };

// A modal message box with the application's title as its caption; returns 1, 6 or 7.
int MsgBox(const QString &text, int style);

// Tests put a handler in place of the real box; an empty handler restores it.
using MsgBoxHandler = std::function<int(const QString &text, int style)>;
void setMsgBoxHandler(MsgBoxHandler handler);

} // namespace ui
