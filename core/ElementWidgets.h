#pragma once

#include "util/MessageNode.h"

#include <functional>
#include <string>
#include <vector>

namespace vex::gui {
class Component;
}

namespace vex::orb::core {

namespace configadaptor {
class Node;
}

/// Ties the elements of a configuration tree to the widgets built from the tree's layout: it puts
/// each element's value on its widget, hands the user's changes of a widget to its element, and
/// when an element reports a new value (kValueRefreshed) it updates that one widget, leaving the
/// others as they are.
///
/// Elements and widgets are paired by the element's parameter id, looked up only in the widget
/// subtree the elements were bound to, so ids used elsewhere in the window never get in the way.
/// The window passes every event of its component tree to HandleEvent.
class ElementWidgets : public util::MessageNode {
public:
    /// A value the user gave a widget: the number (spinners, check boxes as 0/1, combo boxes the
    /// index) or, for text boxes, the text; buttons carry nothing.
    struct UserValue {
        double number = 0.0;
        std::string text;
    };
    /// Applies a user's change to an element.
    using Editor = std::function<void(configadaptor::Node& element, const UserValue& value)>;

    /// Bindings that edit through the elements' own edit path (see UserEdit).
    ElementWidgets();
    ~ElementWidgets() override;

    /// The elements' own edit path: setValue for numbers, the text of a text box, pressing a button.
    /// Each of them is one host undo step labelled with the element's label.
    static void UserEdit(configadaptor::Node& element, const UserValue& value);

    /// Replaces how user changes reach the elements.
    void SetEditor(Editor editor) { editor_ = std::move(editor); }
    /// Pairs every element of the subtree `elements` that carries an id with the control of that id
    /// in the widget subtree `widgets`, and shows the elements' values. Elements without a control
    /// stay unbound.
    void Bind(configadaptor::Node& elements, gui::Component& widgets);
    /// Forgets every pairing.
    void Clear();
    /// The number of paired elements.
    size_t Count() const { return bindings_.size(); }
    /// The control paired with `element`; null when it has none.
    gui::Component* FindWidget(const configadaptor::Node& element) const;

    /// Puts every paired element's value on its widget.
    void ShowAll();
    /// A component event of the window: a finished edit of a paired control reaches its element
    /// when the value differs from the element's. True when the event came from a paired control.
    bool HandleEvent(const util::Message& event);

    /// The elements' kValueRefreshed (update the element's widget) and kDestroyed (forget it).
    void receive(util::Message& message, bool broadcast) override;

private:
    struct Binding {
        configadaptor::Node* element;
        gui::Component* widget;
    };

    void BindTree(configadaptor::Node& element, gui::Component& widgets);
    void Show(const Binding& binding);
    // Hands `value` to the binding's element, when it differs from what the element holds.
    void Edit(const Binding& binding, const UserValue& value);

    std::vector<Binding> bindings_;
    Editor editor_;
    // Set while values are put on widgets: the widgets' change signals are not the user's.
    bool showing_ = false;
};

} // namespace vex::orb::core
