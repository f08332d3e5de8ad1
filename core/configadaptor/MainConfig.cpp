#include "core/configadaptor/MainConfig.h"

#include "core/AdaptorInterface.h"
#include "core/LayoutSlot.h"
#include "core/LayoutWindow.h"
#include "core/MainConfigSettings.h"
#include "core/configadaptor/CheckBox.h"
#include "core/configadaptor/Group.h"
#include "core/configadaptor/Root.h"
#include "core/configadaptor/Spinner.h"
#include "core/configadaptor/Spinner_Int.h"
#include "core/configadaptor/TextBox.h"
#include "core/configadaptor/ValueText.h"
#include "platform/win32/MessageBox.h"
#include "util/NumberText.h"
#include "util/ReturnValue.h"
#include "util/xml/Text.h"

#include <utility>

namespace vex::orb::core::configadaptor::element {

namespace {

using util::xml::Element;

// The limits of host spinners whose item gives none.
constexpr double kDefaultMin = 0.0;
constexpr double kDefaultMax = 1000.0;
constexpr double kDefaultStep = 1.0;

double ReadNumber(const Element& item, std::string_view name, double fallback) {
    return util::ParseNumber<double>(item.GetAttribute(name)).value_or(fallback);
}

// The limits of the spinner of `item`, as whole numbers.
int ReadWhole(const Element& item, std::string_view name, double fallback) {
    return ToInt(ReadNumber(item, name, fallback)).value_or(static_cast<int>(fallback));
}

} // namespace

MainConfig::MainConfig(MainConfigSettings& settings, AdaptorInterface* adaptor)
    : Node(kNoId, "", "", nullptr), settings_(settings),
      adaptor_(adaptor), opened_{settings.countdown, settings.silent, settings.alwaysOnTop},
      main_(new Root()) {
    AddChild(main_);
    main_->AddChild(new Spinner_Int(MainConfigSettings::kCountdownId, "Start count-down (seconds)", "",
                                    &settings_.countdown, 0, 9, 1, 0, nullptr));
    main_->AddChild(new CheckBox(MainConfigSettings::kSilentId, "Silent mode (suppress error messages)", "",
                                 &settings_.silent, nullptr));
    main_->AddChild(new CheckBox(MainConfigSettings::kAlwaysOnTopId, "Always on top", "",
                                 &settings_.alwaysOnTop, nullptr));
    if (adaptor_ != nullptr) {
        util::ReturnValue<Element> out(&hostOpened_);
        adaptor_->getHostSettings(out);
        AddHostSettings(hostOpened_);
    }
}

MainConfig::~MainConfig() = default;

void MainConfig::AddHostSettings(const Element& settings) {
    auto group = std::make_unique<Group>(settings.GetAttribute("label", kHostGroupLabel), "");
    int32_t id = kFirstHostId;
    const Element::Children& items = settings.GetChildren();
    for (size_t index = 0; index < items.size(); ++index) {
        const Element& item = items[index];
        if (!item.IsTag() || item.GetName() != "item") continue;
        auto value = std::make_unique<HostValue>();
        value->item = index;
        value->type = item.GetAttribute("type");
        const std::string label = item.GetAttribute("label");
        const std::string tooltip = item.GetAttribute("tooltip");
        Node* element = nullptr;
        if (value->type == "bool") {
            element = new CheckBox(id, label, tooltip, &value->flag, nullptr);
        } else if (value->type == "int") {
            element = new Spinner_Int(id, label, tooltip, &value->whole, ReadWhole(item, "min", kDefaultMin),
                                      ReadWhole(item, "max", kDefaultMax),
                                      ReadWhole(item, "step", kDefaultStep), 0, nullptr);
        } else if (value->type == "double") {
            element = new Spinner(id, label, tooltip, &value->number, ReadNumber(item, "min", kDefaultMin),
                                  ReadNumber(item, "max", kDefaultMax),
                                  ReadNumber(item, "step", kDefaultStep), 0, nullptr);
        } else if (value->type == "text") {
            element = new TextBox(id, label, tooltip, &value->text, nullptr);
        }
        if (element == nullptr) continue;
        group->AddChild(element);
        hostValues_.push_back(std::move(value));
        ++id;
    }
    ReadHostValues(settings);
    if (group->CountChildren() > 0) {
        hostGroup_ = group.release();
        AddChild(hostGroup_);
    }
}

void MainConfig::ReadHostValues(const Element& settings) {
    for (const auto& value : hostValues_) {
        const Element* item = settings.GetChild(value->item);
        const std::string text = item != nullptr ? item->GetText() : std::string();
        if (value->type == "bool") MainConfigSettings::Parse(text, value->flag);
        if (value->type == "int") MainConfigSettings::Parse(text, value->whole);
        if (value->type == "double") MainConfigSettings::Parse(text, value->number);
        if (value->type == "text") MainConfigSettings::Parse(text, value->text);
    }
}

Element MainConfig::CurrentHostSettings() const {
    Element settings = hostOpened_;
    for (const auto& value : hostValues_) {
        Element* item = settings.GetChild(value->item);
        if (item == nullptr) continue;
        std::string text;
        if (value->type == "bool") text = MainConfigSettings::Format(value->flag);
        if (value->type == "int") text = MainConfigSettings::Format(value->whole);
        if (value->type == "double") text = MainConfigSettings::Format(value->number);
        if (value->type == "text") text = MainConfigSettings::Format(value->text);
        item->GetChildren().clear();
        if (!text.empty()) item->AddChild(util::xml::Text(text));
    }
    return settings;
}

void MainConfig::SendHostSettings() const {
    if (adaptor_ != nullptr) adaptor_->setHostSettings(CurrentHostSettings());
}

Element MainConfig::buildLayout() const {
    Element layout;
    if (layout.Load(LayoutWindow::LayoutPath(kLayout)) != util::xml::kOk) return Element();
    CompleteLayout(layout);
    return layout;
}

void MainConfig::CompleteLayout(Element& layout) const {
    Element* slot = FindLayoutElement(layout, kHostSlot);
    if (slot != nullptr && hostGroup_ != nullptr) slot->AddChild(hostGroup_->buildLayout());
}

Node& MainConfig::GetMainSettings() const {
    return *main_;
}

bool MainConfig::IsHostSetting(const Node& element) const {
    for (const Node* node = &element; node != nullptr; node = node->getParent())
        if (node == hostGroup_) return true;
    return false;
}

void MainConfig::store(Node& element, double number, const std::string& text) {
    if (auto* spinner = dynamic_cast<Spinner_Int*>(&element)) {
        const auto whole = ToInt(number);
        if (!whole || spinner->GetVariable() == nullptr) return;
        *spinner->GetVariable() = *whole;
    } else if (auto* real = dynamic_cast<Spinner*>(&element)) {
        if (real->GetVariable() == nullptr) return;
        *real->GetVariable() = number;
    } else if (auto* box = dynamic_cast<CheckBox*>(&element)) {
        if (box->GetVariable() == nullptr) return;
        *box->GetVariable() = number != 0.0;
    } else if (auto* field = dynamic_cast<TextBox*>(&element)) {
        if (field->GetVariable() == nullptr) return;
        *field->GetVariable() = text;
    } else {
        return;
    }
    element.valueChanged();
    if (IsHostSetting(element)) {
        hostChanged_ = true;
        SendHostSettings();
    }
}

void MainConfig::Revert() {
    settings_.countdown = opened_.countdown;
    settings_.silent = opened_.silent;
    settings_.alwaysOnTop = opened_.alwaysOnTop;
    ReadHostValues(hostOpened_);
    if (hostChanged_ && adaptor_ != nullptr) adaptor_->setHostSettings(hostOpened_);
    hostChanged_ = false;
    RefreshTree();
}

bool MainConfig::Apply() {
    platform::win32::SetMessageBoxSilent(settings_.silent);
    return settings_.Save();
}

} // namespace vex::orb::core::configadaptor::element
