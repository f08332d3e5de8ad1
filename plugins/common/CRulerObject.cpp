#include "plugins/common/CRulerObject.h"

#include <utility>

namespace vex::orb::addon {

CRulerObject::CRulerObject(const CreateParam& param, std::initializer_list<SceneNode*> nodes,
                           std::vector<OutputChannels::Output> declared)
    : CToolObject(param, nodes), helpers_(nodes), declared_(std::move(declared)) {}

void CRulerObject::DeclareOutputs() {
    outputs.Declare(core, declared_);
}

void CRulerObject::Created() {
    Measure(core->getCurrentTime());
}

void CRulerObject::Restored(bool fromRecord) {
    (void)fromRecord;
    Measure(core->getCurrentTime());
}

void CRulerObject::begin(double t) {
    if (hideHelpersDuringRecording) hiddenForTake_.hide(helpers_);
    // Tools chained to the ruler start from the measure at the run's start, not from 0.
    Measure(t);
    Publish();
}

void CRulerObject::end() {
    CToolObject::end();
    hiddenForTake_.restore();
}

void CRulerObject::step(double t) {
    Measure(t);
    Publish();
    core->refreshConfiguration();
}

void CRulerObject::Publish() {
    for (std::size_t k = 0; k < outputs.Count(); ++k) extension(kOutputChannelValue, &outputs.At(k));
}

void CRulerObject::timeChanged(double t) {
    Measure(t);
    core->refreshConfiguration();
}

void CRulerObject::onEvent(std::string name) {
    (void)name;
    timeChanged(core->getCurrentTime());
}

int CRulerObject::extension(int id, void* data) {
    if (id != kOutputChannelValue) return 0;
    const std::optional<std::size_t> index = outputs.IndexOf(data);
    if (!index) return 0;
    outputs.Publish(*index, OutputValue(*index));
    return 1;
}

std::vector<int32_t> CRulerObject::getExtensionIds() const {
    return {kOutputChannelValue};
}

PageGroup CRulerObject::GeneralModes(bool& hideHelpersDuringRecording) {
    return {.name = "General Modes",
            .items = {CheckBoxItem{.name = kHideHelpersDuringRecording,
                                   .help = kHideHelpersDuringRecording,
                                   .value = &hideHelpersDuringRecording}}};
}

ButtonItem CRulerObject::UpdateButton(const char* help) {
    return {.name = kUpdateValues, .help = help, .callback = this};
}

SpinnerItem CRulerObject::ValueSpinner(std::string name, std::string help, double& value, bool limit) {
    return {.name = std::move(name),
            .help = std::move(help),
            .value = &value,
            .min = 0.0,
            .max = 10000.0,
            .step = 0.1,
            .callback = limit ? this : nullptr};
}

} // namespace vex::orb::addon
