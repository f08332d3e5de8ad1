#include "plugins/storedstates/CStateToolObject.h"

#include "interface/CNode.h"
#include "interface/CVariableModUndo.h"
#include "plugins/common/CActionUndo.h"
#include "plugins/common/MatrixAccess.h"
#include "plugins/common/PoseMatch.h"
#include "plugins/common/StateRecordCodec.h"
#include "plugins/common/ToolEvents.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/Rotation.h"

#include <string_view>

namespace vex::orb::addon {
namespace {

// A button, a key, a hat half or an axis may choose a state.
constexpr uint32_t kSelectionKinds = unidevice::kBinaryControl | unidevice::kTrinaryControl |
                                     unidevice::kFiniteControl | unidevice::kInfiniteControl;

bool ValidRun(const StateRun& run) {
    return run.wanted >= 0 && run.wanted < StoredStates::kCount;
}

const util::QTransform<double>& CurrentPose(const StateRun& run) {
    return run.motion.second;
}

} // namespace

CStateToolObject::CStateToolObject(const CreateParam& param, const char* recordName, bool cameraRig)
    : CToolObject(param, {&cage, &wanted, &current}), cage(this, CRelativeCageNode::kName),
      wanted(this, cage), current(this, cage, cameraRig), recordName_(recordName) {
    run.motion.Reset(states.Pose(0));
}

void CStateToolObject::DeclareChannels() {
    for (std::size_t k = 0; k < kSelectionChannelCount; ++k)
        channels[k] = core->addInputChannel(kChannelNames[k], kSelectionKinds, &channelFactory_);
}

void CStateToolObject::ShowWanted(double t, int state) {
    wanted.localMatrix = util::ToMatrix(states.Pose(state));
    wanted.update(t);
}

void CStateToolObject::ApplyVisibility() {
    SetVisible(cage, !hideHelpers);
    SetVisible(wanted, !hideHelpers);
}

void CStateToolObject::Created() {
    if (current.node != nullptr) current.node->select();
    ShowWanted(core->getCurrentTime(), wantedState);
}

void CStateToolObject::Restored(bool fromRecord) {
    (void)fromRecord;
    wantedState = StoredStates::Clamp(wantedState);
    shownWanted_ = wantedState;
}

void CStateToolObject::begin(double t) {
    core->addUndo(new CVariableModUndo<StateRecord<StateRun>>(&record));
    util::Matrix<double> local;
    ReadLocalMatrix(core, current.node, t, local);
    const util::QTransform<double> scene = util::ToQTransform(local);
    if (const StateRun* recorded = ContinuedState(record, t, core->getFrameDuration(), scene, CurrentPose)) {
        run = *recorded;
    } else {
        run = StateRun{};
        run.motion.Reset(scene);
        run.wanted = StoredStates::Clamp(wantedState);
    }
    record.TruncateAfter(t);
    record.Set(t, run);
    wantedState = shownWanted_ = run.wanted;
    if (hideHelpersDuringRecording) hiddenForTake_.hide({&cage, &wanted});
}

void CStateToolObject::end() {
    CToolObject::end();
    hiddenForTake_.restore();
}

void CStateToolObject::step(double t) {
    SelectionInputs inputs{};
    for (std::size_t k = 0; k < kSelectionChannelCount; ++k)
        inputs[k] = channels[k] != nullptr ? channels[k]->getValue() : 0.0;
    StepStates(run, inputs, states, responseFactor, core->getFrameDuration());
    record.Set(t, run);
    wantedState = shownWanted_ = run.wanted;
    current.localMatrix = util::ToMatrix(CurrentPose(run));
    current.update(t);
    ShowWanted(t, run.wanted);
}

void CStateToolObject::timeChanged(double t) {
    if (const StateRun* recorded = record.Nearest(t)) wantedState = shownWanted_ = recorded->wanted;
    core->refreshConfiguration();
}

ToolPage CStateToolObject::Page() {
    std::vector<PageItem> stateItems{IntSpinnerItem{.name = kWantedState,
                                                    .help = kWantedState,
                                                    .value = &wantedState,
                                                    .min = 0,
                                                    .max = StoredStates::kCount - 1,
                                                    .callback = this}};
    for (int n = 0; n < StoredStates::kCount; ++n) {
        const std::string name = kStoreCurrentAsState + std::to_string(n);
        stateItems.push_back(ButtonItem{.name = name, .help = name, .callback = this});
    }
    return {
        {.name = "General Modes",
         .items = {CheckBoxItem{
                       .name = kHideHelpers, .help = kHideHelpers, .value = &hideHelpers, .callback = this},
                   CheckBoxItem{.name = kHideHelpersDuringRecording,
                                .help = kHideHelpersDuringRecording,
                                .value = &hideHelpersDuringRecording}}},
        {.name = "States", .items = std::move(stateItems)},
        {.name = "Motion",
         .items = {SpinnerItem{.name = kResponseFactor,
                               .help = kResponseFactor,
                               .value = &responseFactor,
                               .min = 0.0,
                               .max = 1.0,
                               .step = 0.01,
                               .setting = 10}}},
    };
}

std::vector<RecordField> CStateToolObject::RecordFields() {
    return {{"hideHelpers", hideHelpers},
            {"hideHelpersDuringRecording", hideHelpersDuringRecording},
            {"wantedState", wantedState},
            {"responseFactor", responseFactor},
            states.Field("storedStates"),
            StateRecordField(
                "stateRuns", record, [](auto& r, auto&& field) { VisitStateRun(r, field); }, ValidRun)};
}

void CStateToolObject::onEvent(std::string name) {
    const ToolEvent event = ParseToolEvent(name);
    const double now = core->getCurrentTime();
    if (event.undo || event.redo) {
        // The page has put the flag back; the helpers follow it.
        ApplyVisibility();
        core->refreshView();
        return;
    }
    if (name == kHideHelpers) {
        ApplyVisibility();
        RegisterEventUndo(core, this, name);
        core->refreshView();
        return;
    }
    // The wanted state and the stored states change the wanted node at once; undo puts back the value
    // and the node together, whatever order the host undoes the page's own record of the value in.
    struct Change {
        int wantedState;
        StoredStates states;
    };
    Change before{shownWanted_, states};
    Change after{StoredStates::Clamp(wantedState), states};
    const std::string_view item = name;
    if (item.starts_with(kStoreCurrentAsState)) {
        const int n = std::stoi(std::string(item.substr(std::string_view(kStoreCurrentAsState).size())));
        util::Matrix<double> local;
        if (!ReadLocalMatrix(core, current.node, now, local)) return;
        after.wantedState = shownWanted_;
        after.states.Store(n, util::ToQTransform(local));
    } else if (item != kWantedState) {
        return;
    }
    ApplyUndoably(core, before, after, [this, now](const Change& change) {
        wantedState = shownWanted_ = change.wantedState;
        states = change.states;
        ShowWanted(now, wantedState);
        core->refreshConfiguration();
        core->refreshView();
    });
}

} // namespace vex::orb::addon
