#include "ui/virtual_key.h"

#include <Qt>

namespace ui {
namespace {

// X11 and Wayland number the keys as the kernel does, 8 higher.
constexpr quint32 xKeycodeOffset = 8;

int letterOfRow(const char *row, quint32 first, quint32 code)
{
    return static_cast<unsigned char>(row[code - first]);
}

} // namespace

int virtualKeyCode(int qtKey, quint32 nativeScanCode, [[maybe_unused]] quint32 nativeVirtualKey,
                   bool keypad)
{
#ifdef Q_OS_WIN
    if (nativeVirtualKey != 0)
        return static_cast<int>(nativeVirtualKey);
#else
    if (nativeScanCode != 0) {
        if (const int code = virtualKeyFromScanCode(nativeScanCode))
            return code;
    }
#endif
    return virtualKeyFromQtKey(qtKey, keypad);
}

int virtualKeyFromScanCode(quint32 scanCode)
{
    if (scanCode < xKeycodeOffset)
        return 0;
    const quint32 key = scanCode - xKeycodeOffset;
    if (key >= 2 && key <= 10)
        return static_cast<int>('1' + (key - 2));
    if (key >= 16 && key <= 25)
        return letterOfRow("QWERTYUIOP", 16, key);
    if (key >= 30 && key <= 38)
        return letterOfRow("ASDFGHJKL", 30, key);
    if (key >= 44 && key <= 50)
        return letterOfRow("ZXCVBNM", 44, key);
    if (key >= 59 && key <= 68)
        return static_cast<int>(112 + (key - 59)); // F1 to F10
    if (key >= 183 && key <= 194)
        return static_cast<int>(124 + (key - 183)); // F13 to F24
    switch (key) {
    case 1:
        return 27; // Esc
    case 11:
        return 48; // 0 of the digit row
    case 12:
        return 189; // -
    case 13:
        return 187; // =
    case 14:
        return 8; // Backspace
    case 15:
        return 9; // Tab
    case 26:
        return 219; // [
    case 27:
        return 221; // ]
    case 28:
        return 13; // Enter
    case 29:
        return 17; // left Ctrl
    case 39:
        return 186; // ;
    case 40:
        return 222; // '
    case 41:
        return 192; // `
    case 42:
        return 16; // left Shift
    case 43:
        return 220; // backslash
    case 51:
        return 188; // ,
    case 52:
        return 190; // .
    case 53:
        return 191; // /
    case 54:
        return 16; // right Shift
    case 55:
        return 106; // keypad *
    case 56:
        return 18; // left Alt
    case 57:
        return 32; // space bar
    case 58:
        return 20; // Caps Lock
    case 69:
        return 144; // Num Lock
    case 70:
        return 145; // Scroll Lock
    case 71:
        return 103; // keypad 7
    case 72:
        return 104; // keypad 8
    case 73:
        return 105; // keypad 9
    case 74:
        return 109; // keypad -
    case 75:
        return 100; // keypad 4
    case 76:
        return 101; // keypad 5
    case 77:
        return 102; // keypad 6
    case 78:
        return 107; // keypad +
    case 79:
        return 97; // keypad 1
    case 80:
        return 98; // keypad 2
    case 81:
        return 99; // keypad 3
    case 82:
        return 96; // keypad 0
    case 83:
        return 110; // keypad .
    case 86:
        return 226; // the extra key beside the left Shift of European keyboards
    case 87:
        return 122; // F11
    case 88:
        return 123; // F12
    case 96:
        return 13; // keypad Enter
    case 97:
        return 17; // right Ctrl
    case 98:
        return 111; // keypad /
    case 99:
        return 44; // Print Screen
    case 100:
        return 18; // right Alt
    case 102:
        return 36; // Home
    case 103:
        return 38; // Up
    case 104:
        return 33; // Page Up
    case 105:
        return 37; // Left
    case 106:
        return 39; // Right
    case 107:
        return 35; // End
    case 108:
        return 40; // Down
    case 109:
        return 34; // Page Down
    case 110:
        return 45; // Insert
    case 111:
        return 46; // Delete
    case 119:
        return 19; // Pause
    case 125:
        return 91; // left Windows key
    case 126:
        return 92; // right Windows key
    case 127:
        return 93; // Menu
    default:
        return 0;
    }
}

int virtualKeyFromQtKey(int qtKey, bool keypad)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (keypad ? 96 : 48) + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if (keypad) {
        switch (qtKey) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            break;
        }
    }
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Print:
        return 44;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Meta:
        return 91;
    case Qt::Key_Menu:
        return 93;
    case Qt::Key_NumLock:
        return 144;
    case Qt::Key_ScrollLock:
        return 145;
    // The shifted signs of the digit row.
    case Qt::Key_ParenRight:
        return 48;
    case Qt::Key_Exclam:
        return 49;
    case Qt::Key_At:
        return 50;
    case Qt::Key_NumberSign:
        return 51;
    case Qt::Key_Dollar:
        return 52;
    case Qt::Key_Percent:
        return 53;
    case Qt::Key_AsciiCircum:
        return 54;
    case Qt::Key_Ampersand:
        return 55;
    case Qt::Key_Asterisk:
        return 56;
    case Qt::Key_ParenLeft:
        return 57;
    // The punctuation keys, plain and shifted.
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return 222;
    default:
        return 0;
    }
}

} // namespace ui
