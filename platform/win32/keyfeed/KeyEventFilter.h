#pragma once

#include <QObject>

namespace vex::platform::win32 {

/// The application-wide key filter: every key press and release that reaches a window of the
/// process (the host's included) runs the main thread's keyboard hook chain once, and a key a hook
/// swallows never reaches the window. Keys are taken where they enter a window, so a key that Qt
/// passes on from a widget to its parents is not dispatched again.
class KeyEventFilter : public QObject {
public:
    using QObject::QObject;

    /// Runs the hook chain for key events addressed to a window; true drops the event.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vex::platform::win32
