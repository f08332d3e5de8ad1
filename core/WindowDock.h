#pragma once

#include <QDockWidget>
#include <QPointer>

#include <functional>

class QMainWindow;

namespace vex::orb::core {

/// A core window shown as a dock of the host's main window. The window's widget stays the core's:
/// when the host's window goes first, the dock hands the widget back (hidden, without a parent)
/// instead of deleting it with itself, and tells its owner the window is closed.
class WindowDock : public QDockWidget {
public:
    /// The host's main window behind the native handle `native` when it is a QMainWindow of this
    /// process; null otherwise (no handle, another toolkit's window, or a window of another process).
    static QMainWindow* FindHostWindow(void* native);

    /// Docks `content` in `host`, as a tab beside the host's first dock on the right when there is
    /// one (else on the right on its own), titled as the content's window. `closed` is called when
    /// the user closes the dock and when the host's window deletes it.
    WindowDock(QMainWindow& host, QWidget& content, std::function<void()> closed);
    ~WindowDock() override;

    /// Deletes the dock for its owner, who is not told: the content goes back without a parent.
    void Dismiss();

    /// Shows the dock and brings its tab to the front.
    void ShowDocked();

protected:
    /// Closing the dock closes the window.
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QWidget> content_;
    std::function<void()> closed_;
};

} // namespace vex::orb::core
