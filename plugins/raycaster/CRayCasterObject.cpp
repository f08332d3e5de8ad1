#include "plugins/raycaster/CRayCasterObject.h"

#include "interface/CVariableModUndo.h"
#include "plugins/common/MatrixAccess.h"
#include "plugins/common/StateRecordCodec.h"
#include "plugins/common/ToolEvents.h"
#include "unidevice/ControlKind.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace vex::orb::addon {
namespace {

// Where a new origin stands: this high above the world's origin, looking down.
constexpr double kOriginHeight = 2.0;

bool ValidHit(const RayHitState& state) {
    return state.hit <= 1;
}

// The kind of virtual control output `k` is: the hit flag a button, the normal within −1 … 1, the
// distance and the point unbounded.
uint32_t OutputKind(std::size_t k) {
    if (k == 0) return unidevice::kBinaryControl;
    return k >= 5 ? unidevice::kFiniteControl : unidevice::kInfiniteControl;
}

} // namespace

CRayCasterObject::CRayCasterObject(const CreateParam& param)
    : CToolObject(param, {&surfaceChild, &origin, &hitNode}), surfaceChild(this), origin(this),
      hitNode(this) {}

void CRayCasterObject::DeclareOutputs() {
    std::vector<OutputChannels::Output> declared;
    for (std::size_t k = 0; k < kRayOutputCount; ++k) declared.push_back({kOutputNames[k], OutputKind(k)});
    outputs.Declare(core, declared);
}

void CRayCasterObject::Created() {
    const double now = core->getCurrentTime();
    // Looking down: the origin's −z is the world's −y.
    util::Matrix<double> down;
    down.m[1][1] = 0.0;
    down.m[1][2] = -1.0;
    down.m[2][1] = 1.0;
    down.m[2][2] = 0.0;
    down.m[3][1] = kOriginHeight;
    origin.localMatrix = down;
    origin.update(now);
    hitNode.localMatrix = util::Matrix<double>();
    hitNode.update(now);
}

void CRayCasterObject::begin(double t) {
    core->addUndo(new CVariableModUndo<StateRecord<RayHitState>>(&record));
    surfaces_.Build(core, surfaceChild.node, t, useFastRayCast, {});
    record.TruncateAfter(t);
    running_ = true;
    if (hideHelpersDuringRecording) hiddenForTake_.hide({&surfaceChild, &origin, &hitNode});
}

void CRayCasterObject::end() {
    CToolObject::end();
    // The ground stays built: the next run keeps it when the surfaces have not changed.
    running_ = false;
    hiddenForTake_.restore();
}

void CRayCasterObject::step(double t) {
    util::Matrix<double> originWorld;
    ReadWorldMatrix(core, origin.node, t, originWorld);
    const GroundRay ray = RayOf(originWorld, maximumDistance);
    GroundHit found;
    if (!useFastRayCast) surfaces_.Update(t);
    if (const GroundQuery* query = surfaces_.Query())
        query->Cast(std::span<const GroundRay>(&ray, 1), std::span<GroundHit>(&found, 1));
    hit = HitStateOf(ray, found);
    record.Set(t, hit);
    hitNode.worldMatrix = HitNodeMatrix(hit, originWorld);
    WriteWorldMatrix(core, hitNode.node, t, hitNode.worldMatrix);
}

ToolPage CRayCasterObject::Page() {
    const auto check = [this](const char* name, bool& value, bool withCallback) {
        return CheckBoxItem{
            .name = name, .help = name, .value = &value, .callback = withCallback ? this : nullptr};
    };
    return {
        {.name = "General Modes",
         .items = {check(kHideHelpers, hideHelpers, true),
                   check(kHideHelpersDuringRecording, hideHelpersDuringRecording, false)}},
        {.name = "Ray",
         .items = {SpinnerItem{.name = kMaximumDistance,
                               .help = kMaximumDistance,
                               .value = &maximumDistance,
                               .min = 0.0,
                               .max = 1e16,
                               .step = 1.0,
                               .setting = 10},
                   check(kUseFastRayCast, useFastRayCast, false)}},
    };
}

std::vector<RecordField> CRayCasterObject::RecordFields() {
    return {{"hideHelpers", hideHelpers},
            {"hideHelpersDuringRecording", hideHelpersDuringRecording},
            {"maximumDistance", maximumDistance},
            {"useFastRayCast", useFastRayCast},
            StateRecordField(
                "rayHits", record, [](auto& s, auto&& field) { VisitRayHit(s, field); }, ValidHit)};
}

int CRayCasterObject::extension(int id, void* data) {
    if (id != kOutputChannelValue || data == nullptr) return 0;
    const std::optional<std::size_t> index = outputs.IndexOf(data);
    if (!index) return 0;
    // During a run the live cast answers; otherwise the hit recorded at the host's time.
    const RayHitState* shown = &hit;
    if (!running_)
        if (const RayHitState* recorded = record.Nearest(core->getCurrentTime())) shown = recorded;
    outputs.Publish(*index, RayOutputs(*shown)[*index]);
    return 1;
}

std::vector<int32_t> CRayCasterObject::getExtensionIds() const {
    return {kOutputChannelValue};
}

void CRayCasterObject::ApplyVisibility() {
    SetVisible(surfaceChild, !hideHelpers);
    SetVisible(origin, !hideHelpers);
    SetVisible(hitNode, !hideHelpers);
}

void CRayCasterObject::onEvent(std::string name) {
    const ToolEvent event = ParseToolEvent(name);
    if (event.item != kHideHelpers) return;
    // The page has put the flag back on undo or redo; the helpers follow it either way.
    ApplyVisibility();
    if (!event.undo && !event.redo) RegisterEventUndo(core, this, name);
    core->refreshView();
}

} // namespace vex::orb::addon
