#include "platform/win32/KeyTranslation.h"

#include "platform/win32/Hooks.h"

namespace vex::platform::win32 {

namespace {

// Qt key codes this translation knows (Qt::Key values, stable across Qt versions).
constexpr int kQtSpecial = 0x01000000;
constexpr int kQtF1 = 0x01000030;
constexpr int kQtF24 = kQtF1 + 23;

struct Pair {
    int qt;
    int vk;
};

// Keys outside the printable range, by Qt code.
constexpr Pair kSpecialKeys[] = {
    {kQtSpecial + 0x00, 27},  // Escape
    {kQtSpecial + 0x01, 9},   // Tab
    {kQtSpecial + 0x02, 9},   // Backtab (Shift+Tab)
    {kQtSpecial + 0x03, 8},   // Backspace
    {kQtSpecial + 0x04, 13},  // Return
    {kQtSpecial + 0x05, 13},  // Enter of the number pad
    {kQtSpecial + 0x06, 45},  // Insert
    {kQtSpecial + 0x07, 46},  // Delete
    {kQtSpecial + 0x08, 19},  // Pause
    {kQtSpecial + 0x0B, 12},  // Clear
    {kQtSpecial + 0x10, 36},  // Home
    {kQtSpecial + 0x11, 35},  // End
    {kQtSpecial + 0x12, 37},  // Left
    {kQtSpecial + 0x13, 38},  // Up
    {kQtSpecial + 0x14, 39},  // Right
    {kQtSpecial + 0x15, 40},  // Down
    {kQtSpecial + 0x16, 33},  // Page up
    {kQtSpecial + 0x17, 34},  // Page down
    {kQtSpecial + 0x20, 16},  // Shift
    {kQtSpecial + 0x21, 17},  // Control
    {kQtSpecial + 0x22, 91},  // Meta: the Windows key
    {kQtSpecial + 0x23, 18},  // Alt
    {kQtSpecial + 0x24, 20},  // Caps lock
    {kQtSpecial + 0x25, 144}, // Num lock
    {kQtSpecial + 0x26, 145}, // Scroll lock
    {kQtSpecial + 0x53, 91},  // Left super (Windows) key
    {kQtSpecial + 0x54, 92},  // Right super (Windows) key
    {kQtSpecial + 0x55, 93},  // Menu (applications) key
};

// Printable keys that differ on the number pad: Qt code, main keyboard key, number pad key.
struct PadKey {
    int qt;
    int main;
    int pad;
};

constexpr PadKey kPunctuation[] = {
    {'*', '8', 106}, {'+', 187, 107}, {',', 188, 110}, {'-', 189, 109}, {'.', 190, 110}, {'/', 191, 111},
};

// Qt reports the character a key makes, so a key pressed with Shift arrives as its shifted
// character; the key itself is the key of the standard keyboard that makes that character. The
// unshifted punctuation keys are listed with it.
constexpr Pair kCharacterKeys[] = {
    {'!', '1'}, {'@', '2'}, {'#', '3'}, {'$', '4'},  {'%', '5'}, {'^', '6'}, {'&', '7'},
    {'(', '9'}, {')', '0'}, {'_', 189}, {'=', 187},  {';', 186}, {':', 186}, {'\'', 222},
    {'"', 222}, {'<', 188}, {'>', 190}, {'?', 191},  {'`', 192}, {'~', 192}, {'[', 219},
    {'{', 219}, {']', 221}, {'}', 221}, {'\\', 220}, {'|', 220},
};

} // namespace

int VirtualKeyFromQtKey(int qtKey, bool keypad) {
    if (qtKey >= '0' && qtKey <= '9') return keypad ? 96 + (qtKey - '0') : qtKey;
    if (qtKey >= 'A' && qtKey <= 'Z') return qtKey;
    if (qtKey == ' ') return 32;
    if (qtKey >= kQtF1 && qtKey <= kQtF24) return 112 + (qtKey - kQtF1);
    for (const PadKey& key : kPunctuation)
        if (key.qt == qtKey) return keypad ? key.pad : key.main;
    for (const Pair& key : kCharacterKeys)
        if (key.qt == qtKey) return key.vk;
    for (const Pair& key : kSpecialKeys)
        if (key.qt == qtKey) return key.vk;
    return 0;
}

bool DispatchQtKeyEvent(int qtKey, bool keypad, bool down, bool autoRepeat, bool alt) {
    const int virtualKey = VirtualKeyFromQtKey(qtKey, keypad);
    if (virtualKey == 0) return false;
    return DispatchKeyboardEvent(virtualKey, MakeKeyData(down, alt, 1, down && autoRepeat));
}

} // namespace vex::platform::win32
