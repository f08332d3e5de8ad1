#pragma once

#include "gui/Component.h"
#include "util/MessageNode.h"
#include "util/xml/Element.h"

#include <QPointer>

#include <cstdint>
#include <memory>
#include <string>

class QWidget;

namespace vex::orb::core {

class WindowDock;

/// A window of the core built from a layout file of the resource bundle (folder core/layout). It has
/// widgets only while a widget application (QApplication) runs: a core without one, as in batch hosts
/// and most tests, keeps its windows' state headless and builds nothing. The window subscribes to its
/// component tree and receives the components' events through receive().
class LayoutWindow : public util::MessageNode {
public:
    /// A window of the layout file `layoutName` (e.g. "orb_resimulate.xml").
    explicit LayoutWindow(std::string layoutName);
    ~LayoutWindow() override;

    /// Whether widgets can be made: a QApplication runs.
    static bool WidgetsAvailable();
    /// Registers the path variable "[coreimages]", the bundle's core image folder, unless it is set.
    static void RegisterCoreImages();
    /// The resource path of the layout file `layoutName`.
    static std::string LayoutPath(const std::string& layoutName);

    /// The component tree, built on the first call while widgets are available; null without widgets
    /// or when the layout cannot be built (the user is told once, through a message box).
    gui::Component* Build();
    /// The component tree; null while not built.
    gui::Component* GetRoot() const { return root_.get(); }
    /// The window's top-level widget; null while not built.
    QWidget* GetWidget() const;
    /// Whether the window is made top-most when shown (main setting "Always on top").
    void SetAlwaysOnTop(bool on) { alwaysOnTop_ = on; }
    bool IsAlwaysOnTop() const { return alwaysOnTop_; }

protected:
    /// Builds the window if need be and shows it, top-most when so set.
    void ShowWindow();
    /// Hides the window, if it has widgets.
    void HideWindow();
    /// From the next show on, shows the window as a dock of the host's main window behind the native
    /// handle `native`, when that is a main window of this process; else (or with null) it stays a
    /// window of its own. A window docked already stays in its dock.
    /// The "always on top" setting applies to a window of its own only.
    void DockIn(void* native);
    /// Whether the window is shown as a dock of the host's window.
    bool IsDocked() const;
    /// Called when the user closes the window's dock or the host's window takes the dock away.
    /// Base: hides the window.
    virtual void DockClosed();
    /// Hides and destroys the component tree, so that the next Build makes it afresh from the layout.
    /// Never call it from inside an event of the tree itself.
    void DiscardTree();
    /// Called with the layout read from the file, before the tree is built from it: windows whose
    /// content is generated complete the layout here. Base: nothing.
    virtual void PrepareLayout(util::xml::Element& layout);
    /// Makes no push button of the window a default button, so that Return finishes the edit of a
    /// field without also pressing a button.
    void ClearDefaultButtons();
    /// The component `id` of the kind `T`; null without widgets or when there is none of that kind.
    template <typename T>
    T* Find(int32_t id) const;
    /// Called once, right after the tree was built: the window finds its components and shows its state.
    virtual void Built() = 0;

private:
    std::string layout_;
    std::unique_ptr<gui::Component> root_;
    // The dock is the host window's child: the host may delete it first.
    QPointer<WindowDock> dock_;
    void* dockHost_ = nullptr;
    bool failed_ = false;
    bool alwaysOnTop_ = true;
};

template <typename T>
T* LayoutWindow::Find(int32_t id) const {
    return root_ != nullptr ? root_->FindById<T>(id) : nullptr;
}

} // namespace vex::orb::core
