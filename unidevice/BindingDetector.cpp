#include "unidevice/BindingDetector.h"

#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Device.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Property.h"
#include "unidevice/WinDriver.h"
#include "util/xml/Tag.h"

#include <algorithm>

namespace vex::unidevice {

BindingDetector::BindingDetector(Property& channel, HWND window, DeviceRegistry& registry)
    : channel_(channel), window_(window), registry_(registry) {}

BindingDetector::~BindingDetector() {
    ReturnWindow();
}

void BindingDetector::Start() {
    exclude_.clear();
    last_ = nullptr;
    Begin();
}

void BindingDetector::Retry() {
    if (last_ != nullptr && std::find(exclude_.begin(), exclude_.end(), last_) == exclude_.end())
        exclude_.push_back(last_);
    Begin();
}

void BindingDetector::Begin() {
    timer_ = Timer::kNone;
    first_ = second_ = detected_ = nullptr;
    controlText_.clear();
    registry_.stopAll();
    LendWindow();
    if (registry_.resyncAll() == 0) {
        message_ = kNoDeviceMessage;
        return;
    }
    message_ = kFirstControlMessage;
    timer_ = Timer::kFirst;
}

void BindingDetector::LendWindow() {
    auto* driver = dynamic_cast<WinDriver*>(registry_.findDriver("windriver"));
    if (driver == nullptr) return;
    if (!windowLent_) formerWindow_ = driver->GetWindow();
    windowLent_ = true;
    driver->SetWindow(window_);
}

void BindingDetector::ReturnWindow() {
    if (!windowLent_) return;
    windowLent_ = false;
    // The devices are stopped by now; the dialog's window may go, and nothing may keep using it.
    auto* driver = dynamic_cast<WinDriver*>(registry_.findDriver("windriver"));
    if (driver != nullptr && driver->GetWindow() == window_) driver->SetWindow(formerWindow_);
}

void BindingDetector::OnTimer1() {
    if (timer_ != Timer::kFirst) return;
    if (Control* control = registry_.detectChange(exclude_)) {
        timer_ = Timer::kNone;
        FirstFound(control);
    }
}

void BindingDetector::OnTimer2() {
    if (timer_ != Timer::kSecond) return;
    if (Control* control = registry_.detectChange(exclude_)) {
        timer_ = Timer::kNone;
        SecondFound(control);
    }
}

void BindingDetector::FirstFound(Control* control) {
    first_ = last_ = control;
    direction_ = control->GetCurrent() - control->GetPrevious() >= 0.0;
    registry_.clearAll();
    registry_.stopAll();
    Show(control);
    if ((channel_.GetAccepts() & control->GetKind()) != 0 || control->GetKind() != kBinaryControl) return;
    // A binary control the channel does not take becomes one half of a trinary control. When no
    // device responds now, the first control stays on offer as it is.
    exclude_.push_back(control);
    if (registry_.resyncAll() == 0) return;
    message_ = kSecondControlMessage;
    timer_ = Timer::kSecond;
}

void BindingDetector::SecondFound(Control* control) {
    second_ = last_ = control;
    registry_.stopAll();
    registry_.clearAll();
    Control* emulated = EmulatedControl(*first_, *second_);
    Show(emulated != nullptr ? emulated : first_);
}

Control* BindingDetector::EmulatedControl(const Control& positive, const Control& negative) const {
    Device* emulator = registry_.findDevice(kEmulatorName, 0);
    if (emulator == nullptr) return nullptr;
    util::xml::Tag identity("control");
    identity.SetAttribute("device", kEmulatorName);
    identity.SetAttribute("type", "control");
    identity.SetAttributeInt("index", 0);
    util::xml::Element source;
    positive.toXml(source).SetAttribute("te_direction", "positive");
    identity.AddChild(source);
    source = util::xml::Element();
    negative.toXml(source).SetAttribute("te_direction", "negative");
    identity.AddChild(source);
    return emulator->findControl(identity);
}

void BindingDetector::Show(Control* control) {
    detected_ = control;
    message_ = kConfirmMessage;
    controlText_ = control->getDescription().empty() ? kNoControlText : control->getDescription();
}

bool BindingDetector::Accept() {
    timer_ = Timer::kNone;
    const bool bound = detected_ != nullptr;
    if (bound) {
        channel_.SetControl(detected_);
        // The binding is the user's new choice; a device kept from a profile is forgotten.
        channel_.SetUnresolvedBinding(util::xml::Element());
        const double multiplier = channel_.GetMultiplier();
        if ((direction_ && multiplier < 0.0) || (!direction_ && multiplier > 0.0))
            channel_.SetMultiplier(-multiplier);
    }
    registry_.stopAll();
    ReturnWindow();
    return bound;
}

void BindingDetector::Cancel() {
    timer_ = Timer::kNone;
    registry_.stopAll();
    ReturnWindow();
}

} // namespace vex::unidevice
