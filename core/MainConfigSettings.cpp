#include "core/MainConfigSettings.h"

#include "platform/win32/Files.h"
#include "platform/win32/MessageBox.h"
#include "util/NumberText.h"
#include "util/xml/Element.h"
#include "util/xml/Status.h"
#include "util/xml/TagWithData.h"

#include <array>
#include <charconv>
#include <climits>
#include <cstddef>

namespace vex::orb::core {

namespace {

std::size_t SkipSpace(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
    return at;
}

// The leading decimal integer of `text` the way atoi reads it: spaces, an optional sign, digits;
// 0 when there are none, clamped to the int range.
int ReadInteger(const std::string& text) {
    std::size_t at = SkipSpace(text);
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

std::string MainConfigSettings::Format(bool value) {
    return value ? "1" : "0";
}

std::string MainConfigSettings::Format(int value) {
    return std::to_string(value);
}

std::string MainConfigSettings::Format(double value) {
    return util::FormatNumber(value);
}

std::string MainConfigSettings::Format(const std::string& value) {
    return value;
}

void MainConfigSettings::Parse(const std::string& text, bool& value) {
    value = ReadInteger(text) != 0;
}

void MainConfigSettings::Parse(const std::string& text, int& value) {
    value = ReadInteger(text);
}

void MainConfigSettings::Parse(const std::string& text, double& value) {
    value = util::ParseLeadingNumber(text);
}

void MainConfigSettings::Parse(const std::string& text, std::string& value) {
    value = text;
}

void MainConfigSettings::Reset() {
    countdown = 2;
    silent = false;
    alwaysOnTop = true;
    flag112 = false;
    flag114 = false;
}

bool MainConfigSettings::Load(const std::string& file) {
    Reset();
    path = file;
    util::xml::Element document;
    const bool read = document.Load(platform::win32::ToNativePath(path)) == util::xml::kOk;
    if (read) {
        for (const util::xml::Element& item : document.GetChildren()) {
            if (!item.IsTag() || item.GetName() != "item" || !item.HasAttribute("id")) continue;
            const int32_t id = item.GetAttributeInt("id", -1);
            const std::string text = item.GetText();
            switch (id) {
            case kCountdownId:
                Parse(text, countdown);
                break;
            case kSilentId:
                Parse(text, silent);
                break;
            case kAlwaysOnTopId:
                Parse(text, alwaysOnTop);
                break;
            case kFlag112Id:
                Parse(text, flag112);
                break;
            case kFlag114Id:
                Parse(text, flag114);
                break;
            default:
                if (AdditionalSettingBase* setting = Find(id)) setting->FromString(text);
                break;
            }
        }
    }
    platform::win32::SetMessageBoxSilent(silent);
    return read;
}

bool MainConfigSettings::Save() const {
    if (path.empty()) return false;
    util::xml::Element document(util::xml::Element::Kind::Tag, "ORBConfig");
    const auto addItem = [&document](int32_t id, const std::string& text) {
        document.AddChild(util::xml::TagWithData("item", text)).SetAttributeInt("id", id);
    };
    addItem(kCountdownId, Format(countdown));
    addItem(kSilentId, Format(silent));
    addItem(kAlwaysOnTopId, Format(alwaysOnTop));
    addItem(kFlag112Id, Format(flag112));
    addItem(kFlag114Id, Format(flag114));
    for (const auto& setting : additional) addItem(setting->id, setting->ToString());
    return document.Save(platform::win32::ToNativePath(path)) == util::xml::kOk;
}

void MainConfigSettings::Add(std::unique_ptr<AdditionalSettingBase> setting) {
    if (setting) additional.push_back(std::move(setting));
}

MainConfigSettings::AdditionalSettingBase* MainConfigSettings::Find(int32_t id) const {
    for (const auto& setting : additional) {
        if (setting->id == id) return setting.get();
    }
    return nullptr;
}

} // namespace vex::orb::core
