#include "gui/ComponentBuilder.h"

#include "gui/background/Color.h"
#include "gui/background/Gradient_Linear.h"
#include "gui/component/Border.h"
#include "gui/component/Button.h"
#include "gui/component/CheckBox.h"
#include "gui/component/ComboBox.h"
#include "gui/component/Dialog.h"
#include "gui/component/FlmButton.h"
#include "gui/component/Graph.h"
#include "gui/component/Group.h"
#include "gui/component/Label.h"
#include "gui/component/List.h"
#include "gui/component/ListBox.h"
#include "gui/component/Menubar.h"
#include "gui/component/Progressbar.h"
#include "gui/component/Scroll.h"
#include "gui/component/Spinner.h"
#include "gui/component/TextBox.h"
#include "gui/component/Tree.h"
#include "util/AbstractFactory.h"
#include "util/xml/Element.h"

namespace vex::gui {

void ComponentBuilder::RegisterFactories() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    using Components = util::AbstractFactory<Component>;
    // The order in which kinds are asked whether they take an element.
    Components::RegisterFactory(new component::Dialog::Factory);
    Components::RegisterFactory(new component::Button::Factory);
    Components::RegisterFactory(new component::FlmButton::Factory);
    Components::RegisterFactory(new component::List::Factory);
    Components::RegisterFactory(new component::Border::Factory);
    Components::RegisterFactory(new component::Scroll::Factory);
    Components::RegisterFactory(new component::TextBox::Factory);
    Components::RegisterFactory(new component::ComboBox::Factory);
    Components::RegisterFactory(new component::Group::Factory);
    Components::RegisterFactory(new component::Label::Factory);
    Components::RegisterFactory(new component::CheckBox::Factory);
    Components::RegisterFactory(new component::Spinner::Factory);
    Components::RegisterFactory(new component::Progressbar::Factory);
    Components::RegisterFactory(new component::ListBox::Factory);
    Components::RegisterFactory(new component::Tree::Factory);
    Components::RegisterFactory(new component::Graph::Factory);
    Components::RegisterFactory(new component::Menubar::Factory);

    using Backgrounds = util::AbstractFactory<Background>;
    Backgrounds::RegisterFactory(new background::Color::Factory);
    Backgrounds::RegisterFactory(new background::Gradient_Linear::Factory);
}

Component* ComponentBuilder::Build(const util::xml::Element& element, Component* parent,
                                   BuildReport* report) {
    RegisterFactories();
    Component* component = util::AbstractFactory<Component>::Create(element);
    if (component == nullptr) {
        if (report != nullptr) report->unknownElements.emplace_back(element.GetName());
        return nullptr;
    }
    if (parent != nullptr) parent->AddChild(component);
    component->Load(element, report);
    if (parent != nullptr) parent->ChildAdded(*component);
    return component;
}

std::unique_ptr<Component> ComponentBuilder::Create(const util::xml::Element& element, BuildReport* report) {
    return std::unique_ptr<Component>(Build(element, nullptr, report));
}

std::unique_ptr<Component> ComponentBuilder::CreateFromFile(const std::string& path, BuildReport* report) {
    BuildReport local;
    BuildReport& out = report != nullptr ? *report : local;
    out.path = path;
    util::xml::Element document;
    out.xmlStatus = document.Load(path);
    if (out.xmlStatus != 0) return nullptr;
    return Create(document, &out);
}

} // namespace vex::gui
