#include "core/ElementWidgets.h"

#include "core/configadaptor/Button.h"
#include "core/configadaptor/ComboBox.h"
#include "core/configadaptor/Node.h"
#include "core/configadaptor/TextBox.h"
#include "gui/Component.h"
#include "gui/EventData.h"
#include "gui/component/Spinner.h"
#include "gui/componentinterface/Button.h"
#include "gui/componentinterface/CheckBox.h"
#include "gui/componentinterface/ComboBox.h"
#include "gui/componentinterface/Spinner.h"
#include "gui/componentinterface/TextBox.h"

#include <algorithm>
#include <cmath>

namespace vex::orb::core {

namespace {

namespace ui = gui::componentinterface;
namespace element = configadaptor::element;
using configadaptor::Node;

bool IsControl(gui::Component& component) {
    return dynamic_cast<ui::Spinner*>(&component) != nullptr ||
           dynamic_cast<ui::CheckBox*>(&component) != nullptr ||
           dynamic_cast<ui::ComboBox*>(&component) != nullptr ||
           dynamic_cast<ui::TextBox*>(&component) != nullptr ||
           dynamic_cast<ui::Button*>(&component) != nullptr;
}

// The first control of the subtree (depth first) whose id is `id`. Containers may carry the same
// ids as controls (the row lists of groups do), so only controls count.
gui::Component* FindControl(gui::Component& widgets, int32_t id) {
    if (widgets.GetId() == id && IsControl(widgets)) return &widgets;
    for (const auto& child : widgets.GetChildren())
        if (gui::Component* found = FindControl(*child, id)) return found;
    return nullptr;
}

// Whether a spinner showing `decimals` decimals shows `a` and `b` as the same number.
bool SameShownNumber(double a, double b, int decimals) {
    return std::abs(a - b) < 0.5 * std::pow(10.0, -decimals);
}

bool SameItems(ui::ComboBox& box, const std::vector<std::string>& items) {
    if (box.GetCount() != static_cast<int>(items.size())) return false;
    for (int i = 0; i < box.GetCount(); ++i)
        if (box.GetItem(i) != items[static_cast<size_t>(i)]) return false;
    return true;
}

} // namespace

ElementWidgets::ElementWidgets() : editor_(&ElementWidgets::UserEdit) {}

ElementWidgets::~ElementWidgets() = default;

void ElementWidgets::UserEdit(Node& element, const UserValue& value) {
    if (auto* textBox = dynamic_cast<element::TextBox*>(&element)) {
        textBox->SetText(value.text);
    } else if (auto* button = dynamic_cast<element::Button*>(&element)) {
        button->Press();
    } else {
        element.setValue(value.number);
    }
}

void ElementWidgets::Bind(Node& elements, gui::Component& widgets) {
    BindTree(elements, widgets);
    ShowAll();
}

void ElementWidgets::BindTree(Node& element, gui::Component& widgets) {
    if (element.GetId() != Node::kNoId) {
        if (gui::Component* widget = FindControl(widgets, element.GetId())) {
            bindings_.push_back({&element, widget});
            connect(&element);
        }
    }
    for (const auto& child : element.GetChildren()) BindTree(*child, widgets);
}

void ElementWidgets::Clear() {
    for (const Binding& binding : bindings_) disconnect(binding.element);
    bindings_.clear();
}

gui::Component* ElementWidgets::FindWidget(const Node& element) const {
    for (const Binding& binding : bindings_)
        if (binding.element == &element) return binding.widget;
    return nullptr;
}

void ElementWidgets::ShowAll() {
    for (const Binding& binding : bindings_) Show(binding);
}

void ElementWidgets::Show(const Binding& binding) {
    showing_ = true;
    Node& element = *binding.element;
    gui::Component* widget = binding.widget;
    if (auto* spinner = dynamic_cast<ui::Spinner*>(widget)) {
        spinner->SetValue(element.getValue());
    } else if (auto* checkBox = dynamic_cast<ui::CheckBox*>(widget)) {
        checkBox->SetState(element.getValue() != 0.0 ? ui::CheckBox::State::kTrue
                                                     : ui::CheckBox::State::kFalse);
    } else if (auto* comboBox = dynamic_cast<ui::ComboBox*>(widget)) {
        // The tool may have replaced the entries.
        if (auto* combo = dynamic_cast<element::ComboBox*>(&element);
            combo && !SameItems(*comboBox, combo->GetItems())) {
            comboBox->Clear();
            for (const std::string& item : combo->GetItems()) comboBox->AddItem(item);
        }
        comboBox->SetCurrentIndex(static_cast<int>(element.getValue()));
    } else if (auto* textBox = dynamic_cast<ui::TextBox*>(widget)) {
        if (auto* text = dynamic_cast<element::TextBox*>(&element); text && text->GetVariable() != nullptr)
            textBox->SetText(*text->GetVariable());
    }
    showing_ = false;
}

bool ElementWidgets::HandleEvent(const util::Message& event) {
    const auto found = std::find_if(bindings_.begin(), bindings_.end(), [&event](const Binding& binding) {
        return static_cast<const util::MessageNode*>(binding.widget) == event.origin;
    });
    if (found == bindings_.end()) return false;
    if (showing_) return true;
    const Binding binding = *found;
    const gui::EventData* data = gui::EventData::Of(event);
    UserValue value;
    gui::Component* widget = binding.widget;
    if (auto* spinner = dynamic_cast<ui::Spinner*>(widget)) {
        if (event.code != ui::Spinner::kEditingFinished) return true;
        value.number = data != nullptr ? data->number : spinner->GetValue();
    } else if (dynamic_cast<ui::CheckBox*>(widget) != nullptr) {
        if (event.code != ui::CheckBox::kStateChanged) return true;
        value.number = event.value == static_cast<int64_t>(ui::CheckBox::State::kTrue) ? 1.0 : 0.0;
    } else if (dynamic_cast<ui::ComboBox*>(widget) != nullptr) {
        if ((event.code != ui::ComboBox::kIndexChanged && event.code != ui::ComboBox::kActivated) ||
            event.value < 0)
            return true;
        value.number = static_cast<double>(event.value);
    } else if (auto* textBox = dynamic_cast<ui::TextBox*>(widget)) {
        if (event.code != ui::TextBox::kEditingFinished) return true;
        value.text = data != nullptr ? data->text : textBox->GetText();
    } else if (event.code != ui::Button::kClicked) {
        return true;
    }
    Edit(binding, value);
    return true;
}

void ElementWidgets::Edit(const Binding& binding, const UserValue& value) {
    Node& element = *binding.element;
    // Qt reports a finished edit also when a field merely loses the focus, and a choice also when
    // the user picks the entry shown: only a real change is an edit (and an undo step).
    if (auto* textBox = dynamic_cast<element::TextBox*>(&element)) {
        if (textBox->GetVariable() != nullptr && *textBox->GetVariable() == value.text) return;
    } else if (dynamic_cast<element::Button*>(&element) == nullptr) {
        const auto* spinner = dynamic_cast<const gui::component::Spinner*>(binding.widget);
        const int decimals = spinner != nullptr ? spinner->GetDecimals() : 0;
        if (SameShownNumber(element.getValue(), value.number, decimals)) return;
    }
    editor_(element, value);
}

void ElementWidgets::receive(util::Message& message, bool broadcast) {
    (void)broadcast;
    if (message.code != Node::kValueRefreshed && message.code != util::Message::kDestroyed) return;
    const auto found = std::find_if(bindings_.begin(), bindings_.end(), [&message](const Binding& binding) {
        return static_cast<const util::MessageNode*>(binding.element) == message.origin;
    });
    if (found == bindings_.end()) return;
    if (message.code == util::Message::kDestroyed) {
        bindings_.erase(found);
    } else {
        Show(*found);
    }
}

} // namespace vex::orb::core
