#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace vex::platform::win32 {

/// Global key state under X11, as a system-wide keyboard hook sees it: XInput2 raw key events of
/// the whole display, run through the main thread's hook chain while no window of this process has
/// the focus (when one has, its key events arrive through KeyEventFilter instead, so no key is
/// dispatched twice). Keys are reported as keys, not characters: Shift+1 is the "1" key.
class RawKeyListener : public QObject {
public:
    /// A listener on the default display; inactive when there is none or it lacks XInput 2.
    RawKeyListener();
    ~RawKeyListener() override;

    /// True when raw key events arrive.
    bool IsActive() const { return display_ != nullptr; }

    /// The virtual-key code of an X keysym of a key's first level; `keypad` for a key of the number
    /// pad. 0 for a key without one.
    static int VirtualKeyFromKeysym(unsigned long keysym, bool& keypad);

private:
    // Reads every event the display has queued.
    void ReadEvents();

    void* display_ = nullptr; // the Xlib Display
    int opcode_ = 0;          // XInput's extension opcode
    bool alt_ = false;        // an Alt key is down
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace vex::platform::win32
