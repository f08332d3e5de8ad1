#pragma once

#include "unidevice/Control.h"
#include "unidevice/PropertyHandler.h"
#include "util/AVar_Linear.h"
#include "util/xml/Element.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vex::unidevice {
class Property;
class PropertyFactory;
} // namespace vex::unidevice

namespace vex::orb {
class CCamera;
}

namespace vex::orb::core {

class Instance;

namespace configadaptor {
class Node;
}

/// The recording side of one tool instance: the tool's input channels with the values recorded from
/// them, the spinners and virtual controls the channels and outputs feed, and the run itself (a live
/// take or a re-simulation). The instance holds one and forwards the tool's and the record loop's
/// calls to it.
///
/// A live run records every channel's value at every step from its start time on; what was recorded
/// there before goes into one undo step. A re-simulation binds every channel that drove something
/// to a "Temporary control" that replays the recorded values at the step's time, so the tool reads
/// exactly what it read live; when the run ends each channel gets its live control back.
class InstanceRecorder {
public:
    /// The recorder of `owner`: it names the undo steps after it, steps its tool object and feeds the
    /// controls of its virtual device. The owner outlives the recorder.
    explicit InstanceRecorder(Instance& owner);
    /// Gives every channel its live control back.
    ~InstanceRecorder();

    InstanceRecorder(const InstanceRecorder&) = delete;
    InstanceRecorder& operator=(const InstanceRecorder&) = delete;

    /// The input channels in declaration order.
    const unidevice::PropertyHandler& GetChannels() const { return channels_; }
    unidevice::PropertyHandler& GetChannels() { return channels_; }
    /// Makes a channel through `factory` (the plain factory when null), files it under `name` with
    /// empty recorded values; null when the factory makes none.
    unidevice::Property* AddChannel(std::string name, uint32_t flags, unidevice::PropertyFactory* factory);
    /// The first channel named `name`, or null.
    unidevice::Property* FindChannel(const std::string& name) const { return channels_.FindProperty(name); }
    /// Declares the channel `name` of a spinner (kind 14: every control that can turn it): while
    /// that channel is bound, every step turns `spinner` to the channel's value.
    void AddSpinnerChannel(const std::string& name, configadaptor::Node& spinner);
    /// The tool's output `channel`: a virtual control named after it is added to the owner's device
    /// and fed from it on every step. Answers the control's index.
    int AddOutput(unidevice::Property* channel);

    /// The recorded values of the channel at `index`.
    const util::AVar_Linear<double>& GetRecordedValues(int index) const {
        return recorded_[static_cast<size_t>(index)];
    }
    /// Exchanges the recorded values of all channels with `values` (undo of a recording); nothing
    /// when the channel count differs.
    void SwapRecordedValues(std::vector<util::AVar_Linear<double>>& values);
    /// Appends "recordedinputvalues" to `description`: one "input" per channel, named after it, its
    /// recorded values packed and Base64-encoded.
    void WriteRecordedValues(util::xml::Element& description) const;
    /// Reads what WriteRecordedValues wrote (`values` is the "recordedinputvalues" element): an entry
    /// goes to the channel of its name, else to the channel at its position; an entry that fits no
    /// channel or does not decode is skipped, its channel left as it was.
    void ReadRecordedValues(const util::xml::Element& values);

    /// Whether a run (live or re-simulation) is going on.
    bool IsRunning() const { return running_; }
    /// Whether the run is a re-simulation.
    bool IsResimulating() const { return resimulating_; }

    /// A run starts at `time`: the tool begins; a live run prepares the recorded values from `time`
    /// on (undoably), a re-simulation binds each channel to a "Temporary control" replaying them.
    void BeginRecord(double time, bool resimulate);
    /// One tick: records or replays every channel, turns the spinners of bound spinner channels,
    /// feeds the virtual controls, steps the tool. A tool step that throws or hands the host a value
    /// that is not a number leaves GetFault() set; the caller stops the run.
    void Step(double time);
    /// What went wrong in the last step of the run, empty when nothing did.
    const std::string& GetFault() const { return fault_; }
    /// The run ends: the tool ends; after a re-simulation every channel gets its live control back.
    void EndRecord();
    /// Gives every channel its live control back and drops the temporary controls.
    void RestoreLiveBindings();

private:
    // Each output's current value into the virtual control it is bound to.
    void PublishOutputs();
    struct SpinnerChannel {
        unidevice::Property* channel;
        configadaptor::Node* spinner;
        // The run has already changed the spinner, and its undo record holds the value from before.
        bool changedInRun = false;
    };
    struct OutputBinding {
        int control;
        unidevice::Property* channel;
    };

    // The tool object a run drives: Instance::Create made it and gave it its core before any run.
    CCamera& Tool() const;

    Instance& owner_;
    unidevice::PropertyHandler channels_;
    std::vector<util::AVar_Linear<double>> recorded_;
    std::vector<OutputBinding> outputs_;
    std::vector<SpinnerChannel> spinnerChannels_;
    std::string fault_;
    bool running_ = false;
    bool resimulating_ = false;
    // During a re-simulation: each channel's live control, and the temporary control replaying its
    // recorded values (null for a channel left unbound), by channel index.
    std::vector<unidevice::Control*> liveControls_;
    std::vector<std::unique_ptr<unidevice::Control>> temporaryControls_;
};

} // namespace vex::orb::core
