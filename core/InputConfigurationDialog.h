#pragma once

#include "core/InputBindingChoices.h"
#include "core/InputDetectionPage.h"
#include "core/LayoutWindow.h"
#include "core/TimerManager.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vex::gui::componentinterface {
class ComboBox;
class Label;
class ListBox;
class Progressbar;
class Spinner;
class TextBox;
} // namespace vex::gui::componentinterface

namespace vex::unidevice {
class Control;
class Device;
class Property;
} // namespace vex::unidevice

namespace vex::orb::core {

class Instance;
class InstanceWatch;

/// The input configuration dialog of one tool instance, its property manager (layout
/// "orb_inputs_propertymanager.xml"): the instance's input channels; for the selected channel its
/// binding (a device and a control, or for "TrinaryEmulator" a positive and a negative source), its
/// dead zone, exponent, multiplier and offset, and the live value of its control and of the channel;
/// the tool type's input profiles to load and to save under a new name. "Detect…" opens the
/// detection page (InputDetectionPage), which binds the control the user moves.
///
/// Every edit applies to the channel at once. A profile loaded while the dialog is open, from the
/// dialog or elsewhere, is shown as soon as the instance says its input configuration changed; an
/// instance that goes away closes the dialog. Without widgets (no QApplication) the dialog keeps the
/// same state headless and works through its operations.
class InputConfigurationDialog : public TimerManager, public LayoutWindow {
public:
    /// The timer that refreshes the live values, and its period in seconds.
    static constexpr int32_t kPollTimer = 1;
    static constexpr double kPollPeriod = 0.05;
    /// The layout and its components.
    static constexpr const char* kLayout = "orb_inputs_propertymanager.xml";
    static constexpr int32_t kCloseButton = 2;
    static constexpr int32_t kChannelList = 10;
    /// The list that holds one live-value bar per channel, the bar of channel i having the id
    /// kLiveBarBase + i.
    static constexpr int32_t kLiveList = 12;
    static constexpr int32_t kLiveBarBase = 1000;
    static constexpr int32_t kDeviceBox = 20;
    static constexpr int32_t kControlBox = 21;
    static constexpr int32_t kPositiveBox = 22;
    static constexpr int32_t kNegativeBox = 23;
    static constexpr int32_t kBindingLabel = 24;
    static constexpr int32_t kDetectButton = 25;
    static constexpr int32_t kDeadzoneSpinner = 30;
    static constexpr int32_t kExponentSpinner = 31;
    static constexpr int32_t kMultiplierSpinner = 32;
    static constexpr int32_t kOffsetSpinner = 33;
    static constexpr int32_t kControlBar = 40;
    static constexpr int32_t kChannelBar = 41;
    static constexpr int32_t kProfileBox = 50;
    static constexpr int32_t kLoadButton = 51;
    static constexpr int32_t kProfileNameBox = 52;
    static constexpr int32_t kSaveButton = 53;
    static constexpr int32_t kProfileLabel = 54;
    /// The largest dead zone: one of 1 would divide the channel's value by zero.
    static constexpr double kMaxDeadzone = 0.99;
    /// The live-value bars span -1..1 in this many steps.
    static constexpr int kBarSteps = 200;
    /// The texts the dialog shows.
    static constexpr const char* kUnboundText = "Unbound";
    static constexpr const char* kEmptyNameMessage = "Please enter a name for the input profile.";
    static constexpr const char* kNotSavedMessage = "The input profile could not be saved under that name.";
    static constexpr const char* kNotLoadedMessage = "The input profile could not be loaded.";
    static constexpr const char* kNoChannelKindMessage = "The channel does not take this kind of control.";

    InputConfigurationDialog();
    /// Closes the dialog.
    ~InputConfigurationDialog() override;

    /// Opens the dialog for `instance`, its first channel selected; an open dialog switches to it.
    void Open(Instance& instance);
    /// Closes the dialog and its detection page; the channels keep their settings.
    void Close();
    /// Whether the dialog is open.
    bool IsOpen() const { return instance_ != nullptr; }
    /// The instance shown; null while closed.
    Instance* GetInstance() const { return instance_; }

    /// Selects the channel at `index` (nothing for an index out of range).
    void SelectChannel(int index);
    /// The index of the selected channel; -1 when the instance has none.
    int GetSelectedIndex() const { return selected_; }
    /// The selected channel; null when there is none.
    unidevice::Property* GetChannel() const;

    /// Shows `device` in the binding lists and unbinds the channel until a control of it is chosen;
    /// null (the "[none]" entry) just unbinds.
    void ChooseDevice(unidevice::Device* device);
    /// Binds the selected channel to `control` (null unbinds); a stored binding to a missing device is
    /// forgotten. False when the channel does not take the control's kind (the binding holds anyway).
    bool Bind(unidevice::Control* control);
    /// Sets a source of the emulated control; once both are set the channel is bound to the emulated
    /// control made (or found) of them, while either is missing it is unbound.
    void ChooseSource(bool positive, unidevice::Control* control);
    /// The device shown in the binding lists (the bound control's, or the one chosen); null for none.
    unidevice::Device* GetChosenDevice() const { return device_; }
    /// The sources shown for the emulated control.
    unidevice::Control* GetPositiveSource() const { return positive_; }
    unidevice::Control* GetNegativeSource() const { return negative_; }
    /// What the binding line says: the bound control, a stored binding whose device is missing,
    /// "Unbound", or why the channel does not take the control.
    const std::string& GetBindingText() const { return bindingText_; }

    /// Response edits of the selected channel (the dead zone kept within 0..kMaxDeadzone).
    void SetDeadzone(double value);
    void SetExponent(double value);
    void SetMultiplier(double value);
    void SetOffset(double value);

    /// The names of the tool type's input profiles, as the profile list shows them.
    std::vector<std::string> ListProfiles() const;
    /// Applies the profile `name` to the instance; false when it cannot be read.
    bool LoadProfile(const std::string& name);
    /// Saves the instance's channels as the profile `name`; an empty name is refused with a message.
    bool SaveProfile(const std::string& name);
    /// The last message of the profile operations ("" when none).
    const std::string& GetProfileMessage() const { return profileMessage_; }

    /// Opens the detection page for the selected channel; nothing without one or while a recording
    /// or re-simulation runs (detection stops the devices).
    void OpenDetection();
    /// The detection page, open or not.
    InputDetectionPage& GetDetectionPage() { return detection_; }

    /// The live values of the selected channel's control and of the channel, each -1..1 as the bars
    /// show them, as of the last poll.
    double GetControlValue() const { return controlValue_; }
    double GetChannelValue() const { return channelValue_; }
    /// The live value (-1..1) of the control of the channel at `index` as of the last poll; 0 for an
    /// unbound channel or an index out of range.
    double GetLiveValue(int index) const;
    /// Polls the devices the instance's channels are bound to and refreshes the live values.
    void Poll();

    /// The poll timer.
    void OnTimer(int32_t timerId, uint32_t tickCount) override;
    /// The dialog's events: the lists, boxes, spinners and buttons, the window closed.
    void receive(util::Message& message, bool broadcast) override;

protected:
    void Built() override;

private:
    // Re-reads the instance: its channels, the devices, the profiles; keeps the selection when it can.
    void Reload();
    // Reads the selected channel's binding into the chosen device and sources.
    void ReadBinding();
    // The binding line for the selected channel.
    void DescribeBinding();
    // Starts or stops the devices so bound keys show live values, unless a run drives them.
    void StartDevices(bool on);
    // The detection page closed.
    void DetectionFinished(bool bound);
    // Puts the state on the widgets, if there are any, without taking their events as edits.
    void ShowAll();
    void ShowChannels();
    void ShowBinding();
    void ShowResponse();
    void ShowValues();
    // Makes one live-value bar per channel of the instance, replacing those of a former instance.
    void BuildLiveBars();
    void ShowProfiles();
    // The component events, sorted by kind.
    void ListChanged(int32_t id, int index);
    // Sets the response value of the spinner `id` on the selected channel.
    void ApplyResponse(int32_t id, double value);
    void ButtonClicked(int32_t id);

    Instance* instance_ = nullptr;
    std::unique_ptr<InstanceWatch> watch_;
    InputDetectionPage detection_;
    InputBindingChoices choices_;
    int selected_ = -1;
    unidevice::Device* device_ = nullptr;
    unidevice::Control* positive_ = nullptr;
    unidevice::Control* negative_ = nullptr;
    std::string bindingText_;
    std::string profileMessage_;
    double controlValue_ = 0.0;
    double channelValue_ = 0.0;
    std::vector<double> liveValues_;
    bool devicesStarted_ = false;
    // While the widgets are being filled, their events are no edits.
    bool showing_ = false;
    gui::componentinterface::ListBox* channelList_ = nullptr;
    gui::componentinterface::ComboBox* deviceBox_ = nullptr;
    gui::componentinterface::ComboBox* controlBox_ = nullptr;
    gui::componentinterface::ComboBox* positiveBox_ = nullptr;
    gui::componentinterface::ComboBox* negativeBox_ = nullptr;
    gui::componentinterface::Label* bindingLabel_ = nullptr;
    gui::componentinterface::Spinner* spinners_[4] = {};
    gui::componentinterface::Progressbar* controlBar_ = nullptr;
    gui::componentinterface::Progressbar* channelBar_ = nullptr;
    gui::Component* liveList_ = nullptr;
    std::vector<gui::Component*> liveBars_;
    // The instance the live-value bars were made for.
    const Instance* liveBarsFor_ = nullptr;
    gui::componentinterface::ComboBox* profileBox_ = nullptr;
    gui::componentinterface::TextBox* profileNameBox_ = nullptr;
    gui::componentinterface::Label* profileLabel_ = nullptr;
};

} // namespace vex::orb::core
