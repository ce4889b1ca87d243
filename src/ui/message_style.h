#pragma once

namespace ui {

// Styles of a message box: OK alone, Yes/No with the question icon, OK with the exclamation or
// information icon. Widget-free, so that rules can say which box a warning takes.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbYesNoQuestion = 36,
    vbOKExclamation = 48,
    vbOKInformation = 64,
};

} // namespace ui
