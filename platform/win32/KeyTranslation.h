#pragma once

// Turning the host window's key events into the Windows key events the keyboard hooks expect. The
// host is a Qt window: its key events carry Qt key codes (Qt::Key values) and a keypad flag; the
// hooks expect virtual-key codes and key data. A key filter on the host window calls
// DispatchQtKeyEvent for every press and release, and drops the event when it returns true.

#include "platform/win32/Types.h"

namespace vex::platform::win32 {

/// The virtual-key code of a Qt key code; `keypad` for a key of the number pad (Qt's keypad
/// modifier). Letters, digits, space, punctuation (+ , - .), the editing and arrow keys, the
/// modifiers, the number pad and F1..F24 are translated; 0 for any other key.
int VirtualKeyFromQtKey(int qtKey, bool keypad);

/// Runs the current thread's keyboard hook chain for one Qt key event (press or release, with
/// auto-repeat and Alt as the event says). True when a hook swallowed the key; false when the key
/// has no virtual-key code or the host should process it.
bool DispatchQtKeyEvent(int qtKey, bool keypad, bool down, bool autoRepeat, bool alt);

} // namespace vex::platform::win32
