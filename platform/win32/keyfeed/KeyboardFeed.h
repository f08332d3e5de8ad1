#pragma once

#include <memory>

namespace vex::platform::win32 {

class KeyEventFilter;
class RawKeyListener;

/// Feeds the main thread's keyboard hook chain from the real keyboard: the application-wide key
/// filter on every window of the process and, under X11, the raw key listener for keys typed while
/// another application has the focus. Started on the main thread once a Qt GUI application exists.
class KeyboardFeed {
public:
    /// The process's feed.
    static KeyboardFeed& Instance();

    /// Installs the filter and the listener; nothing without a Qt GUI application or when running.
    /// True when the filter is installed.
    bool Start();
    /// Removes both; nothing when not running.
    void Stop();
    /// True while the filter is installed.
    bool IsRunning() const { return filter_ != nullptr; }
    /// True while raw key events of the display arrive too.
    bool HasRawKeys() const;

private:
    KeyboardFeed();
    ~KeyboardFeed();

    std::unique_ptr<KeyEventFilter> filter_;
    std::unique_ptr<RawKeyListener> rawKeys_;
};

} // namespace vex::platform::win32
