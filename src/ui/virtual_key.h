#pragma once

#include <QtGlobal>

// The Windows virtual-key code of a key, which the editor's key rule is written in. The code
// names the key's place on the keyboard, not the character it gives: the "1" key of the digit
// row is 49 under an English and under a Thai layout alike.
namespace ui {

// From the system's virtual key on Windows and from the scan code elsewhere; from the Qt key
// only when the event carries neither (synthesised events). 0 when the key has no code.
int virtualKeyCode(int qtKey, quint32 nativeScanCode, quint32 nativeVirtualKey, bool keypad);

// An X11 or Wayland key code (the kernel's evdev code + 8), by position on a PC keyboard.
int virtualKeyFromScanCode(quint32 scanCode);

// The Qt key of an event without native codes. A shifted sign is taken for the key it is
// printed on (% is on the 5 key); a character of another script gives 0.
int virtualKeyFromQtKey(int qtKey, bool keypad);

} // namespace ui
