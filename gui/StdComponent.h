#pragma once

#include "gui/Component.h"

#include <string>
#include <string_view>

namespace vex::gui {

/// The component base every kind derives from: reads the attributes and child elements that every
/// element understands, then hands the rest to the kind (LoadOwn, LoadChild) and builds the child
/// components. Also reads the spacing and alignment attributes the container kinds share.
class StdComponent : public Component {
public:
    /// Four sides in pixels.
    struct Box {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        friend bool operator==(const Box&, const Box&) = default;
    };
    enum class HAlign { kNone, kLeft, kCenter, kRight };
    enum class VAlign { kNone, kTop, kCenter, kBottom };

    /// Reads the common attributes in their fixed order (component, id, left, top, width, height,
    /// desiredwidth, desiredheight, minwidth, minheight, maxwidth, maxheight, fixed, visible, enabled,
    /// label, tabstop, tooltipid, tooltip, popup, background, style), then LoadOwn, then the child
    /// elements in document order, then applies the state (CommonStateChanged, RefreshImages).
    void Load(const util::xml::Element& element, BuildReport* report) override;

    /// Space inside the component around its content (`padding` and its one-side forms).
    const Box& GetPadding() const { return padding_; }
    /// Space outside the content area (`margin` and its one-side forms).
    const Box& GetMargin() const { return margin_; }
    HAlign GetHAlign() const { return hAlign_; }
    VAlign GetVAlign() const { return vAlign_; }

    /// True for "yes" (the layouts' word for on).
    static bool IsYes(std::string_view value) { return value == "yes"; }
    /// False for "no" and "false"; true for anything else.
    static bool IsOn(std::string_view value) { return value != "no" && value != "false"; }
    /// The text of an `item` child: its `label` attribute, else its text content.
    static std::string ItemText(const util::xml::Element& item);
    /// The box `name` ("l t r b"), then its "-left", "-top", "-right", "-bottom" overrides, starting from
    /// `box`; malformed numbers leave their side as it was.
    static Box ReadBox(const util::xml::Element& element, const std::string& name, Box box);

protected:
    /// Reads the kind's own attributes. Base: nothing.
    virtual void LoadOwn(const util::xml::Element& element);
    /// Offered every child element that is not a common one (tooltip, popup, background); true when
    /// the kind took it as its own (an "item", say), false to build it as a child component.
    virtual bool LoadChild(const util::xml::Element& child);
    /// Called once everything is read and the children are built. Base: nothing.
    virtual void Loaded();

    /// Reads `padding` and its one-side forms.
    void ReadPadding(const util::xml::Element& element) { padding_ = ReadBox(element, "padding", padding_); }
    /// Reads `margin` and its one-side forms.
    void ReadMargin(const util::xml::Element& element) { margin_ = ReadBox(element, "margin", margin_); }
    /// Reads `valign` and `halign`.
    void ReadAlignment(const util::xml::Element& element);

    Box padding_;
    Box margin_;
    HAlign hAlign_ = HAlign::kNone;
    VAlign vAlign_ = VAlign::kNone;

private:
    void ReadCommonAttributes(const util::xml::Element& element);
    void ReadChildren(const util::xml::Element& element, BuildReport* report);
};

} // namespace vex::gui
