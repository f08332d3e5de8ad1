#include "platform/win32/keyfeed/RawKeyListener.h"

#include "platform/win32/Hooks.h"
#include "platform/win32/KeyTranslation.h"

#include <QGuiApplication>
#include <QSocketNotifier>

// Xlib's macros (None, KeyPress, Bool, ...) come last, after every Qt header.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

namespace vex::platform::win32 {

namespace {

Display* AsDisplay(void* display) {
    return static_cast<Display*>(display);
}

struct KeysymKey {
    unsigned long keysym;
    int qtKey;
};

// Keys outside the Latin-1 range, as the Qt keys the hook translation knows.
constexpr KeysymKey kSpecialKeys[] = {
    {XK_Escape, Qt::Key_Escape},
    {XK_Tab, Qt::Key_Tab},
    {XK_BackSpace, Qt::Key_Backspace},
    {XK_Return, Qt::Key_Return},
    {XK_Insert, Qt::Key_Insert},
    {XK_Delete, Qt::Key_Delete},
    {XK_Pause, Qt::Key_Pause},
    {XK_Print, Qt::Key_Print},
    {XK_Home, Qt::Key_Home},
    {XK_End, Qt::Key_End},
    {XK_Left, Qt::Key_Left},
    {XK_Up, Qt::Key_Up},
    {XK_Right, Qt::Key_Right},
    {XK_Down, Qt::Key_Down},
    {XK_Prior, Qt::Key_PageUp},
    {XK_Next, Qt::Key_PageDown},
    {XK_Shift_L, Qt::Key_Shift},
    {XK_Shift_R, Qt::Key_Shift},
    {XK_Control_L, Qt::Key_Control},
    {XK_Control_R, Qt::Key_Control},
    {XK_Alt_L, Qt::Key_Alt},
    {XK_Alt_R, Qt::Key_Alt},
    {XK_Caps_Lock, Qt::Key_CapsLock},
    {XK_Num_Lock, Qt::Key_NumLock},
    {XK_Scroll_Lock, Qt::Key_ScrollLock},
};

// Number-pad keys, with the Qt key the pad's key stands for.
constexpr KeysymKey kKeypadKeys[] = {
    {XK_KP_0, Qt::Key_0},
    {XK_KP_1, Qt::Key_1},
    {XK_KP_2, Qt::Key_2},
    {XK_KP_3, Qt::Key_3},
    {XK_KP_4, Qt::Key_4},
    {XK_KP_5, Qt::Key_5},
    {XK_KP_6, Qt::Key_6},
    {XK_KP_7, Qt::Key_7},
    {XK_KP_8, Qt::Key_8},
    {XK_KP_9, Qt::Key_9},
    {XK_KP_Add, Qt::Key_Plus},
    {XK_KP_Subtract, Qt::Key_Minus},
    {XK_KP_Multiply, Qt::Key_Asterisk},
    {XK_KP_Divide, Qt::Key_Slash},
    {XK_KP_Decimal, Qt::Key_Period},
    {XK_KP_Enter, Qt::Key_Enter},
};

// The Qt key of a keysym (0: none); `keypad` tells a number-pad key.
int QtKeyFromKeysym(unsigned long keysym, bool& keypad) {
    keypad = false;
    if (keysym >= 0x20 && keysym <= 0x7E) {
        // Latin-1 keysyms are their characters; Qt names letters by their upper case.
        return keysym >= 'a' && keysym <= 'z' ? static_cast<int>(keysym - 'a' + 'A')
                                              : static_cast<int>(keysym);
    }
    if (keysym >= XK_F1 && keysym <= XK_F24) return Qt::Key_F1 + static_cast<int>(keysym - XK_F1);
    for (const KeysymKey& key : kSpecialKeys)
        if (key.keysym == keysym) return key.qtKey;
    for (const KeysymKey& key : kKeypadKeys) {
        if (key.keysym == keysym) {
            keypad = true;
            return key.qtKey;
        }
    }
    return 0;
}

} // namespace

RawKeyListener::RawKeyListener() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return;
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode_, &event, &error) ||
        XIQueryVersion(display, &major, &minor) != Success) {
        XCloseDisplay(display);
        return;
    }
    // Raw events are delivered to the root window only, whichever window has the focus.
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof bits), bits};
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XFlush(display);
    display_ = display;
    notifier_ = std::make_unique<QSocketNotifier>(ConnectionNumber(display), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { ReadEvents(); });
}

RawKeyListener::~RawKeyListener() {
    notifier_.reset();
    if (display_ != nullptr) XCloseDisplay(AsDisplay(display_));
}

int RawKeyListener::VirtualKeyFromKeysym(unsigned long keysym, bool& keypad) {
    const int qtKey = QtKeyFromKeysym(keysym, keypad);
    return qtKey != 0 ? VirtualKeyFromQtKey(qtKey, keypad) : 0;
}

void RawKeyListener::ReadEvents() {
    Display* display = AsDisplay(display_);
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != opcode_ || !XGetEventData(display, cookie))
            continue;
        if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease) {
            const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
            const bool down = cookie->evtype == XI_RawKeyPress;
            const auto keycode = static_cast<KeyCode>(raw->detail);
            unsigned long keysym = XkbKeycodeToKeysym(display, keycode, 0, 0);
            // The pad's first level is its navigation keys; the key itself is its digit.
            if (keysym >= XK_KP_Home && keysym <= XK_KP_Delete)
                keysym = XkbKeycodeToKeysym(display, keycode, 0, 1);
            if (keysym == XK_Alt_L || keysym == XK_Alt_R) alt_ = down;
            bool keypad = false;
            const int virtualKey = VirtualKeyFromKeysym(keysym, keypad);
            if (virtualKey != 0 && QGuiApplication::focusWindow() == nullptr) {
                const bool repeat = (raw->flags & XIKeyRepeat) != 0;
                DispatchKeyboardEvent(virtualKey, MakeKeyData(down, alt_, 1, !down || repeat));
            }
        }
        XFreeEventData(display, cookie);
    }
}

} // namespace vex::platform::win32
