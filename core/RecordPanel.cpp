#include "core/RecordPanel.h"

#include "core/AdaptorInterface.h"
#include "core/CoreImplementation.h"
#include "core/CurrentAdaptor.h"
#include "gui/Component.h"
#include "gui/componentinterface/Button.h"
#include "gui/componentinterface/CheckBox.h"
#include "gui/componentinterface/Label.h"
#include "gui/componentinterface/Spinner.h"
#include "util/Message.h"

#include <cmath>
#include <string>

namespace vex::orb::core {

namespace {

using gui::componentinterface::Button;
using gui::componentinterface::CheckBox;
using gui::componentinterface::Label;
using gui::componentinterface::Spinner;

CheckBox::State StateOf(bool on) {
    return on ? CheckBox::State::kTrue : CheckBox::State::kFalse;
}

} // namespace

void RecordPanel::Bind(gui::Component& root) {
    countdown_ = root.FindById<CheckBox>(kCountdownBox);
    autoExpand_ = root.FindById<CheckBox>(kAutoExpandBox);
    lowPoly_ = root.FindById<CheckBox>(kLowPolyBox);
    slowLevel_ = root.FindById<Spinner>(kSlowLevelSpinner);
    record_ = root.FindById<Button>(kRecordButton);
    resimulate_ = root.FindById(kResimulateButton);
    status_ = root.FindById<Label>(kStatusLabel);
    // The settings keep that the user switched the count-down off, so a fresh settings file counts
    // down as the main settings say.
    const MainConfigSettings& settings = core_.GetSettings();
    if (countdown_ != nullptr) countdown_->SetState(StateOf(!settings.flag112));
    if (lowPoly_ != nullptr) lowPoly_->SetState(StateOf(settings.flag114));
    Refresh();
}

void RecordPanel::Refresh() {
    const bool running = core_.IsRecording();
    const bool resimulating = core_.IsResimulating();
    if (record_ != nullptr) record_->SetToggled(running && !resimulating);
    if (resimulate_ != nullptr) resimulate_->SetEnabled(!running);
    if (slowLevel_ != nullptr) slowLevel_->SetValue(core_.GetSlowLevel());
    if (status_ == nullptr) return;
    std::string text = "Ready";
    if (resimulating) {
        text = "Re-simulating";
    } else if (running) {
        text = "Recording";
        const int level = core_.GetSlowLevel();
        if (level > 1) text += ", slow motion 1/" + std::to_string(1 << (level - 1));
        text += " (Space stops)";
    }
    status_->SetText(text);
}

std::optional<bool> RecordPanel::IsChecked(int32_t id) const {
    const CheckBox* box = id == kCountdownBox    ? countdown_
                          : id == kAutoExpandBox ? autoExpand_
                          : id == kLowPolyBox    ? lowPoly_
                                                 : nullptr;
    if (box == nullptr) return std::nullopt;
    return box->GetState() == CheckBox::State::kTrue;
}

bool RecordPanel::Handle(const util::Message& message) {
    switch (message.parameter) {
    case kCountdownBox:
    case kLowPolyBox:
        if (message.code != CheckBox::kStateChanged) return false;
        OptionChanged(message.parameter, message.value == static_cast<int64_t>(CheckBox::State::kTrue));
        return true;
    case kSlowLevelSpinner:
        if (message.code != Spinner::kValueChanged || slowLevel_ == nullptr) return false;
        if (const int level = static_cast<int>(std::lround(slowLevel_->GetValue()));
            level != core_.GetSlowLevel())
            core_.SetSlowLevel(level);
        Refresh();
        return true;
    case kRecordButton:
        if (message.code != Button::kClicked) return false;
        Record();
        return true;
    case kResimulateButton:
        if (message.code != Button::kClicked) return false;
        Resimulate();
        return true;
    default:
        return false;
    }
}

void RecordPanel::Record() {
    if (core_.IsRecording()) {
        if (!core_.IsResimulating()) core_.StopRecording();
    } else {
        core_.StartRecording();
    }
    Refresh();
}

void RecordPanel::Resimulate() {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor != nullptr && !core_.IsRecording())
        core_.Resimulate(adaptor->getCurrentTime(), adaptor->getPlaybackRange().second);
    Refresh();
}

void RecordPanel::OptionChanged(int32_t id, bool on) {
    MainConfigSettings& settings = core_.GetSettings();
    bool& stored = id == kCountdownBox ? settings.flag112 : settings.flag114;
    const bool value = id == kCountdownBox ? !on : on;
    if (stored == value) return;
    stored = value;
    settings.Save();
}

} // namespace vex::orb::core
