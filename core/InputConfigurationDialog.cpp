#include "core/InputConfigurationDialog.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/InstanceWatch.h"
#include "core/Tool.h"
#include "gui/ComponentBuilder.h"
#include "gui/EventData.h"
#include "gui/componentinterface/Button.h"
#include "gui/componentinterface/ComboBox.h"
#include "gui/componentinterface/Dialog.h"
#include "gui/componentinterface/Label.h"
#include "gui/componentinterface/ListBox.h"
#include "gui/componentinterface/Progressbar.h"
#include "gui/componentinterface/Spinner.h"
#include "gui/componentinterface/TextBox.h"
#include "gui/qt/Realisation.h"
#include "unidevice/Control.h"
#include "unidevice/Device.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Driver.h"
#include "unidevice/InputProfile.h"
#include "unidevice/Property.h"
#include "unidevice/PropertyHandler.h"
#include "unidevice/driver/EmulatedTControl.h"
#include "unidevice/driver/EmulatedTrinaryDevice.h"
#include "util/AtomicFile.h"
#include "util/NumberText.h"
#include "util/xml/Tag.h"

#include <QProgressBar>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vex::orb::core {

namespace {

using gui::componentinterface::ComboBox;

unidevice::DeviceRegistry& Registry() {
    return unidevice::DeviceRegistry::Instance();
}

// Whether a recording or re-simulation drives the devices now.
bool RunActive() {
    CoreImplementation* core = FindCore();
    return core != nullptr && core->RecordManager::IsRecording();
}

unidevice::EmulatedTrinaryDevice* Emulator() {
    return dynamic_cast<unidevice::EmulatedTrinaryDevice*>(
        Registry().findDevice(unidevice::BindingDetector::kEmulatorName, 0));
}

// Replaces the entries of `box` with `items` and makes `current` the current one.
void Fill(ComboBox* box, const std::vector<std::string>& items, int current) {
    if (box == nullptr) return;
    box->Clear();
    for (const std::string& item : items) box->AddItem(item);
    box->SetCurrentIndex(current);
}

void Enable(gui::Component* component, bool on) {
    if (component != nullptr) component->SetEnabled(on);
}

// The text of an identity element of a control that is not connected.
std::string MissingText(const util::xml::Element& binding) {
    std::string device = binding.GetAttribute("device");
    if (device.empty()) device = "any device";
    return "Not connected: " + device + " " + binding.GetAttribute("type") + " " +
           binding.GetAttribute("index");
}

// No attributes and no children: a stored binding that names nothing.
bool NamesNothing(const util::xml::Element& binding) {
    return binding.GetAttributes().empty() && binding.CountChildren() == 0;
}

// Marks the widgets as being filled for its life, so their events are not taken as edits.
class Showing {
public:
    explicit Showing(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Showing() { flag_ = was_; }
    Showing(const Showing&) = delete;
    Showing& operator=(const Showing&) = delete;

private:
    bool& flag_;
    bool was_;
};

// Shows `value` (-1..1) on `bar`, which reads `text` rather than a percentage.
void ShowBar(gui::componentinterface::Progressbar* bar, double value, const std::string& text) {
    if (bar == nullptr) return;
    bar->SetValue(static_cast<int>(std::lround((value + 1.0) * InputConfigurationDialog::kBarSteps / 2)));
    if (auto* widget = qobject_cast<QProgressBar*>(gui::qt::AsWidget(dynamic_cast<gui::Component*>(bar))))
        widget->setFormat(QString::fromStdString(text));
}

// The live-value bar of one channel, as the layout would describe it.
util::xml::Element LiveBarElement(int32_t id) {
    util::xml::Tag bar("progressbar");
    bar.SetAttributeInt("id", id);
    bar.SetAttribute("height", "18");
    bar.SetAttribute("fixed", "vertical");
    return bar;
}

// The event's number (a spinner's value).
double NumberOf(const util::Message& message) {
    const gui::EventData* data = gui::EventData::Of(message);
    return data != nullptr ? data->number : static_cast<double>(message.value);
}

} // namespace

InputConfigurationDialog::InputConfigurationDialog()
    : LayoutWindow(kLayout), watch_(std::make_unique<InstanceWatch>(
                                 [this] {
                                     Reload();
                                     ShowAll();
                                 },
                                 [this] {
                                     instance_ = nullptr; // gone: nothing of it may be touched any more
                                     Close();
                                 })),
      detection_([this](bool bound) { DetectionFinished(bound); }) {}

InputConfigurationDialog::~InputConfigurationDialog() {
    Close();
}

void InputConfigurationDialog::Open(Instance& instance) {
    if (instance_ != &instance) {
        detection_.Cancel();
        instance_ = &instance;
        watch_->Watch(&instance);
        selected_ = instance.GetInputChannels().GetCount() > 0 ? 0 : -1;
        profileMessage_.clear();
        // The profile list shows the new instance's profile, not the one chosen for the former.
        if (profileBox_ != nullptr) {
            const Showing showing(showing_);
            profileBox_->Clear();
        }
    }
    Reload();
    StartDevices(true);
    ShowWindow();
    if (auto* dialog = dynamic_cast<gui::componentinterface::Dialog*>(GetRoot()))
        dialog->SetTitle("Input configuration - " + instance.GetName());
    ShowAll();
    SetTimer(kPollTimer, kPollPeriod);
    Poll();
}

void InputConfigurationDialog::Close() {
    // Without an instance the detection page's end restarts nothing.
    instance_ = nullptr;
    detection_.Cancel();
    KillTimer(kPollTimer);
    StartDevices(false);
    watch_->Watch(nullptr);
    liveBarsFor_ = nullptr;
    liveValues_.clear();
    selected_ = -1;
    device_ = nullptr;
    positive_ = negative_ = nullptr;
    HideWindow();
}

unidevice::Property* InputConfigurationDialog::GetChannel() const {
    return instance_ != nullptr ? instance_->GetInputChannels().GetProperty(selected_) : nullptr;
}

void InputConfigurationDialog::SelectChannel(int index) {
    if (instance_ == nullptr || index < 0 || index >= instance_->GetInputChannels().GetCount()) return;
    if (detection_.IsOpen()) detection_.Cancel();
    selected_ = index;
    ReadBinding();
    DescribeBinding();
    ShowAll();
    Poll();
}

void InputConfigurationDialog::ChooseDevice(unidevice::Device* device) {
    unidevice::Property* channel = GetChannel();
    if (channel == nullptr) return;
    channel->SetControl(nullptr);
    channel->SetUnresolvedBinding(util::xml::Element());
    device_ = device;
    positive_ = negative_ = nullptr;
    DescribeBinding();
    ShowBinding();
}

bool InputConfigurationDialog::Bind(unidevice::Control* control) {
    unidevice::Property* channel = GetChannel();
    if (channel == nullptr) return false;
    const std::uint32_t kinds = channel->SetControl(control);
    // The user's choice replaces a binding kept for a device that is not connected.
    channel->SetUnresolvedBinding(util::xml::Element());
    unidevice::Device* shown = device_;
    ReadBinding();
    if (control == nullptr) device_ = shown; // "[none]" of a device's controls keeps the device shown
    DescribeBinding();
    ShowBinding();
    return kinds != 0;
}

void InputConfigurationDialog::ChooseSource(bool positive, unidevice::Control* control) {
    unidevice::Property* channel = GetChannel();
    unidevice::EmulatedTrinaryDevice* emulator = Emulator();
    if (channel == nullptr || emulator == nullptr) return;
    (positive ? positive_ : negative_) = control;
    device_ = emulator;
    channel->SetControl(
        positive_ != nullptr && negative_ != nullptr ? emulator->MakeControl(positive_, negative_) : nullptr);
    channel->SetUnresolvedBinding(util::xml::Element());
    DescribeBinding();
    ShowBinding();
}

void InputConfigurationDialog::SetDeadzone(double value) {
    ApplyResponse(kDeadzoneSpinner, value);
    ShowResponse();
}

void InputConfigurationDialog::SetExponent(double value) {
    ApplyResponse(kExponentSpinner, value);
    ShowResponse();
}

void InputConfigurationDialog::SetMultiplier(double value) {
    ApplyResponse(kMultiplierSpinner, value);
    ShowResponse();
}

void InputConfigurationDialog::SetOffset(double value) {
    ApplyResponse(kOffsetSpinner, value);
    ShowResponse();
}

std::vector<std::string> InputConfigurationDialog::ListProfiles() const {
    if (instance_ == nullptr) return {};
    return instance_->GetTool().GetInputProfileManager().ListProfiles();
}

bool InputConfigurationDialog::LoadProfile(const std::string& name) {
    if (instance_ == nullptr) return false;
    // The instance tells the dialog when the channels changed, and the dialog shows them anew.
    const int missing =
        instance_->LoadInputProfileNamed(name).value_or(unidevice::InputProfile::kNotAProfile);
    if (missing == unidevice::InputProfile::kNotAProfile) {
        profileMessage_ = kNotLoadedMessage;
    } else if (missing > 0) {
        profileMessage_ = "Loaded \"" + name + "\"; " + std::to_string(missing) +
                          (missing == 1 ? " binding names a device" : " bindings name devices") +
                          " not connected now.";
    } else {
        profileMessage_ = "Loaded \"" + name + "\".";
    }
    ShowProfiles();
    return missing != unidevice::InputProfile::kNotAProfile;
}

bool InputConfigurationDialog::SaveProfile(const std::string& name) {
    if (instance_ == nullptr) return false;
    const bool blank = name.find_first_not_of(" \t") == std::string::npos;
    bool saved = false;
    if (blank) {
        profileMessage_ = kEmptyNameMessage;
    } else {
        util::ClearLastWriteError();
        saved = instance_->SaveInputProfileAs(name);
        profileMessage_ = saved ? "Saved \"" + name + "\"." : util::WithWriteError(kNotSavedMessage);
    }
    ShowProfiles();
    if (saved && profileBox_ != nullptr) {
        const std::vector<std::string> names = ListProfiles();
        const auto found = std::find(names.begin(), names.end(), name);
        const Showing showing(showing_);
        profileBox_->SetCurrentIndex(found != names.end() ? static_cast<int>(found - names.begin()) : -1);
    }
    return saved;
}

void InputConfigurationDialog::OpenDetection() {
    // Detection stops every device, which would cut a running take off its inputs.
    if (RunActive()) return;
    if (unidevice::Property* channel = GetChannel()) detection_.Open(*channel);
}

void InputConfigurationDialog::Poll() {
    unidevice::Property* channel = GetChannel();
    if (channel == nullptr) return;
    // Detection and a run poll the devices themselves; a second poll would hide their changes.
    if (!detection_.IsOpen() && !RunActive()) {
        std::vector<unidevice::Device*> devices;
        const auto add = [&devices](const unidevice::Control* control) {
            unidevice::Device* device = control != nullptr ? control->getDevice() : nullptr;
            if (device != nullptr && std::find(devices.begin(), devices.end(), device) == devices.end())
                devices.push_back(device);
        };
        const unidevice::PropertyHandler& polled = instance_->GetInputChannels();
        for (int i = 0; i < polled.GetCount(); ++i) {
            const unidevice::Control* control = polled.GetProperty(i)->getControl();
            add(control);
            if (const auto* emulated = dynamic_cast<const unidevice::EmulatedTControl*>(control)) {
                add(emulated->GetPositive());
                add(emulated->GetNegative());
            }
        }
        for (unidevice::Device* device : devices)
            if (unidevice::Driver* driver = device->GetDriver()) device->update(driver->GetWindow());
    }
    const unidevice::PropertyHandler& channels = instance_->GetInputChannels();
    liveValues_.assign(static_cast<size_t>(channels.GetCount()), 0.0);
    for (int i = 0; i < channels.GetCount(); ++i) {
        const unidevice::Control* control = channels.GetProperty(i)->getControl();
        if (control != nullptr)
            liveValues_[static_cast<size_t>(i)] = std::clamp(control->getValue(), -1.0, 1.0);
    }
    controlValue_ = GetLiveValue(selected_);
    channelValue_ = std::clamp(channel->getValue(), -1.0, 1.0);
    ShowValues();
}

void InputConfigurationDialog::OnTimer(int32_t timerId, uint32_t /*tickCount*/) {
    if (timerId == kPollTimer) Poll();
}

void InputConfigurationDialog::receive(util::Message& message, bool broadcast) {
    LayoutWindow::receive(message, broadcast);
    if (showing_ || instance_ == nullptr) return;
    switch (message.code) {
    case ComboBox::kIndexChanged: // also a list box's
        ListChanged(message.parameter, static_cast<int>(message.value));
        break;
    case gui::componentinterface::Spinner::kValueChanged:
        // The spinner shows the value already: writing it back would disturb the user's typing.
        ApplyResponse(message.parameter, NumberOf(message));
        break;
    case gui::componentinterface::Button::kClicked:
        ButtonClicked(message.parameter);
        break;
    case gui::componentinterface::Dialog::kClosed:
        if (message.parameter == 1) Close(); // the dialog's own window, closed by the window system
        break;
    default:
        break;
    }
}

void InputConfigurationDialog::Built() {
    channelList_ = Find<gui::componentinterface::ListBox>(kChannelList);
    deviceBox_ = Find<ComboBox>(kDeviceBox);
    controlBox_ = Find<ComboBox>(kControlBox);
    positiveBox_ = Find<ComboBox>(kPositiveBox);
    negativeBox_ = Find<ComboBox>(kNegativeBox);
    bindingLabel_ = Find<gui::componentinterface::Label>(kBindingLabel);
    spinners_[0] = Find<gui::componentinterface::Spinner>(kDeadzoneSpinner);
    spinners_[1] = Find<gui::componentinterface::Spinner>(kExponentSpinner);
    spinners_[2] = Find<gui::componentinterface::Spinner>(kMultiplierSpinner);
    spinners_[3] = Find<gui::componentinterface::Spinner>(kOffsetSpinner);
    controlBar_ = Find<gui::componentinterface::Progressbar>(kControlBar);
    channelBar_ = Find<gui::componentinterface::Progressbar>(kChannelBar);
    liveList_ = GetRoot()->FindById(kLiveList);
    profileBox_ = Find<ComboBox>(kProfileBox);
    profileNameBox_ = Find<gui::componentinterface::TextBox>(kProfileNameBox);
    profileLabel_ = Find<gui::componentinterface::Label>(kProfileLabel);
    for (gui::componentinterface::Progressbar* bar : {controlBar_, channelBar_})
        if (bar != nullptr) bar->SetRange(0, kBarSteps);
}

void InputConfigurationDialog::Reload() {
    if (instance_ == nullptr) return;
    choices_.Refresh(Registry(), instance_);
    const int count = instance_->GetInputChannels().GetCount();
    if (selected_ >= count || (selected_ < 0 && count > 0)) selected_ = count > 0 ? 0 : -1;
    ReadBinding();
    DescribeBinding();
}

void InputConfigurationDialog::ReadBinding() {
    const unidevice::Property* channel = GetChannel();
    unidevice::Control* control = channel != nullptr ? channel->getControl() : nullptr;
    device_ = control != nullptr ? control->getDevice() : nullptr;
    const auto* emulated = dynamic_cast<const unidevice::EmulatedTControl*>(control);
    positive_ = emulated != nullptr ? emulated->GetPositive() : nullptr;
    negative_ = emulated != nullptr ? emulated->GetNegative() : nullptr;
}

void InputConfigurationDialog::DescribeBinding() {
    const unidevice::Property* channel = GetChannel();
    const unidevice::Control* control = channel != nullptr ? channel->getControl() : nullptr;
    if (control != nullptr) {
        bindingText_ = (channel->GetAccepts() & control->GetKind()) == 0
                           ? kNoChannelKindMessage
                           : InputBindingChoices::SourceText(*control);
    } else if (channel != nullptr && !NamesNothing(channel->GetUnresolvedBinding())) {
        bindingText_ = MissingText(channel->GetUnresolvedBinding());
    } else {
        bindingText_ = kUnboundText;
    }
}

void InputConfigurationDialog::StartDevices(bool on) {
    if (on == devicesStarted_) return;
    devicesStarted_ = on;
    // A run started and stops the devices itself.
    if (RunActive()) return;
    if (on)
        Registry().startAll();
    else
        Registry().stopAll();
}

void InputConfigurationDialog::DetectionFinished(bool /*bound*/) {
    if (instance_ == nullptr) return;
    // Detection stopped every device: they are started again for the live values.
    devicesStarted_ = false;
    StartDevices(true);
    ReadBinding();
    DescribeBinding();
    ShowAll();
}

void InputConfigurationDialog::ShowAll() {
    ShowChannels();
    ShowBinding();
    ShowResponse();
    ShowValues();
    ShowProfiles();
}

void InputConfigurationDialog::ShowChannels() {
    if (channelList_ == nullptr || instance_ == nullptr) return;
    const Showing showing(showing_);
    const unidevice::PropertyHandler& channels = instance_->GetInputChannels();
    channelList_->Clear();
    for (int i = 0; i < channels.GetCount(); ++i) channelList_->AddItem(channels.GetProperty(i)->getName());
    channelList_->SetCurrentIndex(selected_);
    BuildLiveBars();
}

void InputConfigurationDialog::ShowBinding() {
    if (deviceBox_ == nullptr || instance_ == nullptr) return;
    const Showing showing(showing_);
    // The device chosen may have gone with another instance meanwhile.
    if (Registry().IndexOf(device_) < 0) device_ = nullptr;
    // The lists are made from the devices of now, so the entries chosen next find what they show.
    choices_.Refresh(Registry(), instance_);
    const bool emulator = InputBindingChoices::IsEmulator(device_);
    const unidevice::Property* channel = GetChannel();
    Fill(deviceBox_, choices_.DeviceNames(), choices_.IndexOfDevice(device_));
    if (device_ != nullptr) {
        Fill(controlBox_, InputBindingChoices::ControlNames(*device_),
             InputBindingChoices::IndexOfControl(*device_,
                                                 channel != nullptr ? channel->getControl() : nullptr));
    } else {
        Fill(controlBox_, {InputBindingChoices::kNone}, 0);
    }
    const std::vector<std::string> sources =
        emulator ? choices_.SourceNames() : std::vector<std::string>{InputBindingChoices::kNone};
    Fill(positiveBox_, sources, emulator ? choices_.IndexOfSource(positive_) : 0);
    Fill(negativeBox_, sources, emulator ? choices_.IndexOfSource(negative_) : 0);
    Enable(dynamic_cast<gui::Component*>(controlBox_), device_ != nullptr);
    Enable(dynamic_cast<gui::Component*>(positiveBox_), emulator);
    Enable(dynamic_cast<gui::Component*>(negativeBox_), emulator);
    Enable(GetRoot()->FindById(kDetectButton), channel != nullptr);
    if (bindingLabel_ != nullptr) bindingLabel_->SetText(bindingText_);
}

void InputConfigurationDialog::ShowResponse() {
    const unidevice::Property* channel = GetChannel();
    if (channel == nullptr) return;
    const double values[4] = {channel->GetDeadzone(), channel->GetExponent(), channel->GetMultiplier(),
                              channel->GetOffset()};
    const Showing showing(showing_);
    for (int i = 0; i < 4; ++i)
        if (spinners_[i] != nullptr) spinners_[i]->SetValue(values[i]);
}

void InputConfigurationDialog::ShowValues() {
    ShowBar(controlBar_, controlValue_, util::FormatFixed(controlValue_, 2));
    ShowBar(channelBar_, channelValue_, util::FormatFixed(channelValue_, 2));
    if (instance_ == nullptr) return;
    const unidevice::PropertyHandler& channels = instance_->GetInputChannels();
    for (size_t i = 0; i < liveBars_.size(); ++i) {
        const unidevice::Property* channel = channels.GetProperty(static_cast<int>(i));
        if (channel == nullptr) continue;
        auto* bar = dynamic_cast<gui::componentinterface::Progressbar*>(liveBars_[i]);
        // An unbound channel's bar stays empty, so it does not read as a control at rest.
        if (channel->getControl() == nullptr) {
            ShowBar(bar, -1.0, channel->getName() + ": unbound");
        } else {
            const double value = GetLiveValue(static_cast<int>(i));
            ShowBar(bar, value, channel->getName() + ": " + util::FormatFixed(value, 2));
        }
    }
}

void InputConfigurationDialog::BuildLiveBars() {
    if (liveList_ == nullptr || instance_ == nullptr) return;
    const int count = instance_->GetInputChannels().GetCount();
    if (liveBarsFor_ == instance_ && static_cast<int>(liveBars_.size()) == count) return;
    for (gui::Component* bar : liveBars_) liveList_->RemoveChild(bar).reset();
    liveBars_.clear();
    liveBarsFor_ = instance_;
    for (int i = 0; i < count; ++i) {
        gui::Component* bar = gui::ComponentBuilder::Build(LiveBarElement(kLiveBarBase + i), liveList_);
        if (bar == nullptr) continue;
        liveBars_.push_back(bar);
        if (auto* progress = dynamic_cast<gui::componentinterface::Progressbar*>(bar))
            progress->SetRange(0, kBarSteps);
        // A widget added to a shown window appears only once the event loop runs: now, it is shown.
        if (QWidget* widget = gui::qt::AsWidget(bar)) widget->show();
    }
}

double InputConfigurationDialog::GetLiveValue(int index) const {
    return index >= 0 && index < static_cast<int>(liveValues_.size())
               ? liveValues_[static_cast<size_t>(index)]
               : 0.0;
}

void InputConfigurationDialog::ShowProfiles() {
    if (profileBox_ == nullptr || instance_ == nullptr) return;
    const std::vector<std::string> names = ListProfiles();
    const std::string shown =
        profileBox_->GetCount() > 0 ? profileBox_->GetText() : instance_->GetInputProfileName();
    const auto found = std::find(names.begin(), names.end(), shown);
    {
        const Showing showing(showing_);
        const int index =
            found != names.end() ? static_cast<int>(found - names.begin()) : (names.empty() ? -1 : 0);
        Fill(profileBox_, names, index);
    }
    if (profileLabel_ != nullptr) profileLabel_->SetText(profileMessage_.empty() ? " " : profileMessage_);
}

void InputConfigurationDialog::ListChanged(int32_t id, int index) {
    switch (id) {
    case kChannelList:
        SelectChannel(index);
        break;
    case kDeviceBox:
        ChooseDevice(choices_.DeviceAt(index));
        break;
    case kControlBox:
        if (device_ != nullptr && Registry().IndexOf(device_) >= 0)
            Bind(InputBindingChoices::ControlAt(*device_, index));
        break;
    case kPositiveBox:
    case kNegativeBox:
        ChooseSource(id == kPositiveBox, choices_.SourceAt(index));
        break;
    default:
        break;
    }
}

void InputConfigurationDialog::ApplyResponse(int32_t id, double value) {
    unidevice::Property* channel = GetChannel();
    if (channel == nullptr) return;
    switch (id) {
    case kDeadzoneSpinner:
        channel->SetDeadzone(std::clamp(value, 0.0, kMaxDeadzone));
        break;
    case kExponentSpinner:
        channel->SetExponent(value);
        break;
    case kMultiplierSpinner:
        channel->SetMultiplier(value);
        break;
    case kOffsetSpinner:
        channel->setOffset(value);
        break;
    default:
        break;
    }
}

void InputConfigurationDialog::ButtonClicked(int32_t id) {
    switch (id) {
    case kCloseButton:
        Close();
        break;
    case kDetectButton:
        OpenDetection();
        break;
    case kLoadButton:
        if (profileBox_ != nullptr) LoadProfile(profileBox_->GetText());
        break;
    case kSaveButton:
        if (profileNameBox_ != nullptr) SaveProfile(profileNameBox_->GetText());
        break;
    default:
        break;
    }
}

} // namespace vex::orb::core
