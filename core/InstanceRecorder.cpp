#include "core/InstanceRecorder.h"

#include "core/Instance.h"
#include "core/InstanceRecordingUndo.h"
#include "core/StepFault.h"
#include "core/configadaptor/Node.h"
#include "interface/CCamera.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "unidevice/PropertyFactory.h"
#include "util/Assert.h"
#include "util/Base64.h"
#include "util/xml/Data.h"
#include "util/xml/Tag.h"

#include <exception>
#include <optional>

namespace vex::orb::core {

namespace {

// The kinds a spinner's channel accepts: every control that can turn it.
constexpr uint32_t kSpinnerChannelKinds =
    unidevice::kTrinaryControl | unidevice::kFiniteControl | unidevice::kInfiniteControl;

} // namespace

InstanceRecorder::InstanceRecorder(Instance& owner) : owner_(owner) {}

InstanceRecorder::~InstanceRecorder() {
    RestoreLiveBindings();
}

unidevice::Property* InstanceRecorder::AddChannel(std::string name, uint32_t flags,
                                                  unidevice::PropertyFactory* factory) {
    unidevice::PropertyFactory fallback;
    unidevice::Property* channel = (factory != nullptr ? factory : &fallback)->create(name, flags);
    if (channel == nullptr) return nullptr;
    channels_.AddProperty(std::move(name), channel);
    recorded_.emplace_back();
    return channel;
}

void InstanceRecorder::AddSpinnerChannel(const std::string& name, configadaptor::Node& spinner) {
    if (unidevice::Property* channel = AddChannel(name, kSpinnerChannelKinds, nullptr))
        spinnerChannels_.push_back({channel, &spinner});
}

int InstanceRecorder::AddOutput(unidevice::Property* channel) {
    const int index = owner_.AddVirtualControl(channel->getName());
    outputs_.push_back({index, channel});
    return index;
}

void InstanceRecorder::SwapRecordedValues(std::vector<util::AVar_Linear<double>>& values) {
    if (values.size() == recorded_.size()) recorded_.swap(values);
}

void InstanceRecorder::WriteRecordedValues(util::xml::Element& description) const {
    util::xml::Tag values("recordedinputvalues");
    for (int i = 0; i < channels_.GetCount(); ++i) {
        const util::AVar_Linear<double>& variable = recorded_[static_cast<size_t>(i)];
        std::vector<uint8_t> bytes(variable.getSerializedSize());
        variable.serialize(bytes.data(), bytes.size());
        util::xml::Tag entry("input");
        entry.SetAttribute("name", channels_.GetProperty(i)->getName());
        entry.AddChild(util::xml::Data(util::Base64Encode(bytes)));
        values.AddChild(entry);
    }
    description.AddChild(values);
}

void InstanceRecorder::ReadRecordedValues(const util::xml::Element& values) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0, count = values.CountChildren("input"); i < count; ++i) {
        const util::xml::Element* entry = values.GetChild("input", i);
        const int index = channels_.GetCount() > 0 ? static_cast<int>(i) : -1;
        unidevice::Property* byName = channels_.FindProperty(entry->GetAttribute("name"));
        int target = index;
        for (int c = 0; byName != nullptr && c < channels_.GetCount(); ++c)
            if (channels_.GetProperty(c) == byName) target = c;
        if (target < 0 || target >= channels_.GetCount() || !util::Base64Decode(entry->GetText(), bytes))
            continue;
        recorded_[static_cast<size_t>(target)].deserialize(bytes.data(), bytes.size());
    }
}

CCamera& InstanceRecorder::Tool() const {
    CCamera* object = owner_.GetObject();
    TORVA_ASSERT(object != nullptr && object->core == &owner_,
                 "a run drives the tool object that Instance::Create made and gave its core");
    return *object;
}

void InstanceRecorder::BeginRecord(double time, bool resimulate) {
    running_ = true;
    resimulating_ = resimulate;
    fault_.clear();
    for (SpinnerChannel& entry : spinnerChannels_) entry.changedInRun = false;
    Tool().begin(time);
    // What the tool published as it began reaches its controls at once, so that tools begun after
    // it and bound to them start from its values rather than from 0.
    PublishOutputs();
    if (!resimulate) {
        owner_.addUndo(new InstanceRecordingUndo(owner_.GetName(), recorded_));
        for (util::AVar_Linear<double>& variable : recorded_) variable.TruncateFrom(time);
        return;
    }
    for (int i = 0; i < channels_.GetCount(); ++i) {
        unidevice::Property* channel = channels_.GetProperty(i);
        liveControls_.push_back(channel->getControl());
        // A channel that drove nothing in the take stays unbound, so it reads as it did live (its
        // offset) instead of as a control stuck at 0.
        if (channel->getControl() == nullptr && recorded_[static_cast<size_t>(i)].GetKeyCount() == 0) {
            temporaryControls_.push_back(nullptr);
            continue;
        }
        auto temporary = std::make_unique<unidevice::Control>(nullptr, unidevice::kAnyControl, 0.0);
        temporary->SetDescription("Temporary control");
        channel->SetControl(temporary.get());
        temporaryControls_.push_back(std::move(temporary));
    }
}

void InstanceRecorder::Step(double time) {
    for (int i = 0; i < channels_.GetCount(); ++i) {
        util::AVar_Linear<double>& variable = recorded_[static_cast<size_t>(i)];
        if (resimulating_ && static_cast<size_t>(i) < temporaryControls_.size()) {
            if (unidevice::Control* temporary = temporaryControls_[static_cast<size_t>(i)].get())
                temporary->setValue(variable.get(time));
        } else if (!resimulating_) {
            if (unidevice::Control* control = channels_.GetProperty(i)->getControl())
                variable.set(time, control->getValue());
        }
    }
    for (SpinnerChannel& entry : spinnerChannels_) {
        if (entry.channel->getControl() == nullptr) continue;
        const double value = entry.channel->getValue();
        if (value == entry.spinner->getValue()) continue;
        // The run's first change keeps the value from before it for the run's undo; the later ones
        // need no record of their own (a long take would keep one for every frame).
        std::optional<configadaptor::Node::UndoSuspension> oneRecordPerRun;
        if (entry.changedInRun) oneRecordPerRun.emplace();
        entry.spinner->setValue(value);
        entry.changedInRun = true;
    }
    // The tool publishes its outputs in its own step; the controls take what it published last, so a
    // value moves on once per step.
    PublishOutputs();
    // No exception leaves a tool: one that escapes its step is the step's fault, as a value that is
    // not a number is.
    StepFault::Begin();
    try {
        Tool().step(time);
    } catch (const std::exception& error) {
        StepFault::Report(std::string("its step failed: ") + error.what());
    } catch (...) {
        StepFault::Report("its step failed");
    }
    fault_ = StepFault::End();
}

void InstanceRecorder::PublishOutputs() {
    for (const OutputBinding& output : outputs_) {
        if (output.channel == nullptr) continue;
        if (unidevice::Control* control = owner_.getControl(output.control))
            control->setValue(output.channel->getValue());
    }
}

void InstanceRecorder::EndRecord() {
    Tool().end();
    // A long take grew the recorded lists by doubling; it is done, so the slack goes.
    for (util::AVar_Linear<double>& variable : recorded_) variable.ShrinkToFit();
    RestoreLiveBindings();
    running_ = false;
    resimulating_ = false;
}

void InstanceRecorder::RestoreLiveBindings() {
    for (size_t i = 0; i < liveControls_.size() && static_cast<int>(i) < channels_.GetCount(); ++i)
        channels_.GetProperty(static_cast<int>(i))->SetControl(liveControls_[i]);
    liveControls_.clear();
    temporaryControls_.clear();
}

} // namespace vex::orb::core
