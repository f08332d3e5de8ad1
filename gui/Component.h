#pragma once

// The layout-described component layer.
//
// A window is a tree of components built from an XML layout (ComponentBuilder). Each element name
// maps to one component kind through the factory registry util::AbstractFactory<Component>. A kind
// has four tiers; to add one, say "slider":
//
//  1. gui/componentinterface/Slider.h — `componentinterface::Slider`: the abstract operations of the
//     kind (set/read its value...) and its event codes as constants. No Qt, no state.
//  2. gui/component/Slider.h/.cpp — `component::Slider : public StdComponent, public
//     componentinterface::Slider`: reads the kind's own attributes in LoadOwn() (and its own child
//     elements in LoadChild(), e.g. "item"), keeps the toolkit-neutral state, and declares the inner
//     `class Factory : public util::AbstractFactory<Component>::Factory` (name() "slider", create()).
//  3. gui/component/qt/Slider.h/.cpp — `component::qt::Slider : public gui::qt::Widget<QSlider,
//     component::Slider>`: implements the interface on the widget, applies the parsed state by
//     overriding LoadOwn() (call the tier-2 one first) or Loaded(), and turns Qt signals into events
//     with SendEvent(code, value, payload). gui::qt::Widget supplies the common state (sizes, fixed,
//     visible, enabled, tooltip, popup, background), the resized/moved events and sizeHint, and
//     blocks the widget's signals while it loads. Connect signals with QObject::connect (MessageNode
//     has its own connect) to lambdas; no Q_OBJECT. Containers override ChildAdded() to place child
//     widgets (gui::qt::AddToLayout, gui::qt::AsWidget); gui/qt/Realisation.h has the shared helpers.
//  4. Define `component::Slider::Factory::create` in the tier-3 .cpp (it returns `new qt::Slider`)
//     and register the factory in ComponentBuilder::RegisterFactories().
//
// The builder makes a component with the factory, appends it to its parent, calls Load() (common
// attributes, own attributes, child elements in document order), then tells the parent ChildAdded().

#include "gui/EventData.h"
#include "gui/PopupMenu.h"
#include "util/Composite_Dynamic.h"
#include "util/DynamicObject.h"
#include "util/MessageNode.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace vex::util::xml {
class Element;
}

namespace vex::gui {

class Background;
struct BuildReport;

/// The root of every component: a node of the component tree (one parent, ordered children, owned)
/// and of the message network, with the state every kind shares. Events travel up the tree: a
/// component's event is delivered to its own subscribers, then passed to its parent, which delivers
/// it to its subscribers and passes it on, up to the root. A window subscribes to its root (the
/// subscriber calls connect(root)) and receives every event of its tree once, with the message's
/// parameter holding the id of the component it came from and origin pointing at that component.
class Component : public util::MessageNode,
                  public util::Composite_Dynamic<Component>,
                  public util::DynamicObject {
public:
    /// The id of a component that is not addressed.
    static constexpr int32_t kNoId = -1;
    /// The size limit layouts use for "no limit".
    static constexpr int32_t kNoLimit = 16777215;
    /// A size or position the layout did not give.
    static constexpr int32_t kUnset = -1;

    /// Event: the component's size changed; value = width << 32 | height.
    static constexpr int32_t kResized = 0x4004;
    /// Event: the component moved within its parent; value = x << 32 | y.
    static constexpr int32_t kMoved = 0x4005;
    /// Event: an item of the component's context menu was chosen; value = the item's id.
    static constexpr int32_t kPopupItem = 0x4300;

    ~Component() override;

    /// Two 32-bit numbers in one event value: `high` in the upper half, `low` in the lower.
    static int64_t PackPair(int32_t high, int32_t low) {
        return static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32) |
                                    static_cast<uint32_t>(low));
    }
    /// The upper and lower halves of a PackPair value.
    static int32_t HighOf(int64_t value) { return static_cast<int32_t>(static_cast<uint64_t>(value) >> 32); }
    static int32_t LowOf(int64_t value) {
        return static_cast<int32_t>(static_cast<uint64_t>(value) & 0xFFFFFFFFu);
    }

    /// Reads the element that made this component: common attributes, the kind's own, then its
    /// children, built with the factory registry. Elements without a factory go to `report`.
    virtual void Load(const util::xml::Element& element, BuildReport* report) = 0;

    /// Appends `child` (taking ownership) and places it in this component (its widget in the layout).
    /// False, changing nothing, for null or an ancestor of this component.
    bool AppendChild(Component* child);
    /// Called after `child` was appended and loaded; containers place its widget. Base: nothing.
    virtual void ChildAdded(Component& child);

    /// The first component of this subtree (this one included, depth first) whose id is `id`.
    Component* FindById(int32_t id);
    /// FindById cast to the kind `T` (for example componentinterface::Button); null when of another kind.
    template <typename T>
    T* FindById(int32_t id) {
        return dynamic_cast<T*>(FindById(id));
    }

    /// Sends an event of this component up the tree (see the class comment): a message with `code`,
    /// parameter = this component's id, `value`, and `payload` attached when given.
    void SendEvent(int32_t code, int64_t value = 0, std::unique_ptr<EventData> payload = nullptr);
    /// Passes the events of child components on (to this node's subscribers, then to the parent).
    void receive(util::Message& message, bool broadcast) override;

    /// Registers `directory` under the path variable `name` for this component and its subtree and
    /// re-reads the subtree's images.
    void SetPathVariable(const std::string& name, const std::string& directory);
    /// `path` with a leading "[name]" replaced by the directory of the nearest component (this one,
    /// then its ancestors) that registered `name`, else by the process-wide one; unchanged otherwise.
    std::string ResolvePath(const std::string& path) const;
    /// Re-reads the images of this subtree after its path variables changed.
    void RefreshImagesOfSubtree();

    int32_t GetId() const { return id_; }
    bool HasId() const { return id_ != kNoId; }
    void SetId(int32_t id) { id_ = id; }
    int32_t GetLeft() const { return left_; }
    int32_t GetTop() const { return top_; }
    /// Preferred width and height (kUnset: the widget's own).
    int32_t GetWidth() const { return width_; }
    int32_t GetHeight() const { return height_; }
    int32_t GetDesiredWidth() const { return desiredWidth_; }
    int32_t GetDesiredHeight() const { return desiredHeight_; }
    int32_t GetMinWidth() const { return minWidth_; }
    int32_t GetMinHeight() const { return minHeight_; }
    int32_t GetMaxWidth() const { return maxWidth_; }
    int32_t GetMaxHeight() const { return maxHeight_; }
    bool IsFixedHorizontally() const { return fixedHorizontally_; }
    bool IsFixedVertically() const { return fixedVertically_; }
    bool GetVisible() const { return visible_; }
    bool GetEnabled() const { return enabled_; }
    const std::string& GetLabel() const { return label_; }
    bool GetTabStop() const { return tabStop_; }
    const std::string& GetTooltip() const { return tooltip_; }
    int32_t GetTooltipId() const { return tooltipId_; }
    const PopupMenu& GetPopup() const { return popup_; }
    /// The background; null when the component has none.
    const Background* GetBackground() const { return background_.get(); }
    const std::string& GetStyle() const { return style_; }

    /// Shows or hides the component.
    void SetVisible(bool visible);
    /// Enables or disables the component.
    void SetEnabled(bool enabled);
    /// Replaces the tooltip text.
    void SetTooltip(const std::string& text);
    /// Replaces the context menu (an empty one offers none).
    void SetPopup(PopupMenu popup) { popup_ = std::move(popup); }

protected:
    Component();

    /// Called when the common state changed (after loading, and by the setters); the realisation
    /// applies it to its widget. Base: nothing.
    virtual void CommonStateChanged();
    /// Called when the path variables of this component or an ancestor changed; kinds with images
    /// resolve their image attributes again. Base: nothing.
    virtual void RefreshImages();

    // The common state; StdComponent fills it from the element.
    int32_t id_ = kNoId;
    int32_t left_ = kUnset;
    int32_t top_ = kUnset;
    int32_t width_ = kUnset;
    int32_t height_ = kUnset;
    int32_t desiredWidth_ = kUnset;
    int32_t desiredHeight_ = kUnset;
    int32_t minWidth_ = 0;
    int32_t minHeight_ = 0;
    int32_t maxWidth_ = kNoLimit;
    int32_t maxHeight_ = kNoLimit;
    bool fixedHorizontally_ = false;
    bool fixedVertically_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    std::string label_;
    bool tabStop_ = true;
    std::string tooltip_;
    int32_t tooltipId_ = -1;
    PopupMenu popup_;
    std::unique_ptr<Background> background_;
    std::string style_;

private:
    // Delivers `message` to this node's subscribers, then hands it to the parent.
    void PassUp(util::Message& message);

    std::map<std::string, std::string> pathVariables_;
};

} // namespace vex::gui
