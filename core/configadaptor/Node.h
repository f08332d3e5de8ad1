#pragma once

#include "core/AdaptorInterface.h"
#include "core/CurrentAdaptor.h"
#include "interface/CInterface.h"
#include "interface/CVariableModUndo.h"
#include "util/Composite_Dynamic.h"
#include "util/DynamicObject.h"
#include "util/MessageNode.h"
#include "util/xml/Element.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace vex::orb::core::configadaptor {

/// One element of a tool's configuration page: the root, a group, or an item bound by pointer to a
/// variable the tool owns. It writes and reads its part of a configuration profile, produces its
/// part of the page's layout XML and turns user edits into changes of the tool variable.
///
/// Messages: after a user edit the element sends kValueEdited (parameter = its id) up the tree,
/// and the top of the tree broadcasts it to its subscribers (the window marks the configuration
/// modified). valueChanged broadcasts kValueRefreshed (parameter = id) to the element's own
/// subscribers, the widget showing it, which then re-reads the value.
class Node : public util::DynamicObject, public util::Composite_Dynamic<Node>, public util::MessageNode {
public:
    /// The id of elements that carry no parameter (the root, groups, labels).
    static constexpr int32_t kNoId = -1;
    /// Sent up the tree after a user edit changed the element's value.
    static constexpr int32_t kValueEdited = 0x6000;
    /// Broadcast by valueChanged: the value shown must be read again.
    static constexpr int32_t kValueRefreshed = 0x9000;

    /// How an element appears in a profile.
    enum class ProfileKind {
        kNone,        ///< writes nothing (labels, buttons)
        kItem,        ///< one "item" element
        Group,        ///< one "group" element holding its children's elements
        kTransparent, ///< its children's elements, directly in the element of its parent
    };

    /// An element with the given parameter id, label, tooltip (may be empty) and callback (may be null).
    Node(int32_t id, std::string label, std::string tooltip, CInterface::Callback* callback);
    ~Node() override;

    /// Re-reads the tool variable and tells the widget (kValueRefreshed). Base: only the message.
    virtual void valueChanged();
    /// Appends this element's profile form to `parent` (see ProfileKind). Base: nothing.
    virtual void saveProfile(util::xml::Element& parent) const;
    /// Reads this element's value from `container`, the profile element of its parent (a
    /// "configprofile" or "group"). Base: nothing.
    virtual void loadProfile(const util::xml::Element& container);
    /// The element of this subtree (itself included) with parameter id `id`; null when none.
    virtual Node* FindById(int32_t id);
    /// Calls valueChanged on every element of this subtree, parents first.
    virtual void RefreshTree();
    /// How this element appears in a profile.
    virtual ProfileKind GetProfileKind() const { return ProfileKind::kNone; }
    /// The value as a double (bools 0/1, combo boxes the index, text read as a number). Base: 0.
    virtual double getValue() const { return 0.0; }
    /// A user edit: sets the value from a double (see edit). Base: nothing.
    virtual void setValue(double value) { (void)value; }
    /// This element's layout XML for the configuration window.
    virtual util::xml::Element buildLayout() const = 0;

    int32_t GetId() const { return id_; }
    const std::string& getLabel() const { return label_; }
    const std::string& GetTooltip() const { return tooltip_; }
    CInterface::Callback* GetCallback() const { return callback_; }
    bool IsEnabled() const { return enabled_; }
    /// Enables or disables the element in the window (a disabled group is greyed out).
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    /// Passes kValueEdited messages from the children on towards the top of the tree.
    void receive(util::Message& message, bool broadcast) override;

    /// While one lives, edits record no undo step: values that scripts write in every step of a take
    /// belong to the take, which is undone as one step of its own.
    class UndoSuspension {
    public:
        UndoSuspension() { ++depth_; }
        ~UndoSuspension() { --depth_; }
        UndoSuspension(const UndoSuspension&) = delete;
        UndoSuspension& operator=(const UndoSuspension&) = delete;
        /// Whether an edit now records no undo step.
        static bool IsActive() { return depth_ > 0; }

    private:
        static inline thread_local int depth_ = 0;
    };

protected:
    /// A user edit of `variable`: one host undo group (none under an UndoSuspension) labelled with the
    /// element's label (when an adaptor is current) recording the old value, the new value stored,
    /// valueChanged, kValueEdited sent up the tree and the callback told the label. A null variable is
    /// ignored.
    template <typename T>
    void Edit(T* variable, const T& value) {
        if (variable == nullptr) return;
        AdaptorInterface* adaptor = UndoSuspension::IsActive() ? nullptr : GetCurrentAdaptor();
        if (adaptor != nullptr) {
            adaptor->beginUndoGroup(label_);
            adaptor->addUndoUnit(new CVariableModUndo<T>(variable));
        }
        *variable = value;
        FinishEdit();
        if (adaptor != nullptr) adaptor->endUndoGroup();
    }
    /// What follows storing an edited value: valueChanged, the change message, the callback.
    void FinishEdit();

    /// The profile item meant for this element in `container`: the item at the element's position
    /// when its label matches (or it has none); otherwise the item carrying the element's id;
    /// otherwise the item carrying its label (older profiles name parameters by label only).
    const util::xml::Element* FindItem(const util::xml::Element& container) const;
    /// The "group" element meant for this element: the one at its position when its label matches
    /// (or it has none), else the one with its label, else the one at its position. Null when none.
    const util::xml::Element* FindGroup(const util::xml::Element& container) const;
    /// An "item" tag with "id", the optional "type" and "label", and `text` (none when empty).
    util::xml::Element MakeItem(const char* type, const std::string& text) const;
    /// A parameter row: a horizontal list holding a label with the element's label and `control`.
    util::xml::Element MakeRow(util::xml::Element control) const;
    /// Gives `control` the attributes every control carries: "id", "fixed", "minheight",
    /// "minwidth" and the tooltip when there is one.
    void SetControlAttributes(util::xml::Element& control, int minWidth) const;

private:
    // The index of this element among the elements of the same profile kind that write into the
    // same profile element as it does.
    std::size_t GetProfilePosition() const;

    int32_t id_;
    std::string label_;
    std::string tooltip_;
    CInterface::Callback* callback_;
    bool enabled_ = true;
};

} // namespace vex::orb::core::configadaptor
