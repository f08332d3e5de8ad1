#include "host/api/FnAccess.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/AnimCurveNodeTypes.h"
#include "host/scene/KeyEditLog.h"
#include "host/scene/NodeTypeRegistry.h"

#include <maya/MAnimCurveChange.h>
#include <maya/MAnimUtil.h>
#include <maya/MDGModifier.h>
#include <maya/MFnAnimCurve.h>
#include <maya/MObjectArray.h>

#include <cmath>
#include <functional>
#include <optional>

using namespace vex::host;
using convert::failure;
using convert::report;

namespace {

using Key = AnimCurveData::Key;

double seconds(const MTime& t) {
    return t.as(MTime::kSeconds);
}

// The curve data of the function set's live anim curve node, or null with a failing status.
std::shared_ptr<AnimCurveData> curveOf(const MFnBase& fn, MStatus* status) {
    auto node = liveNodeOf(fn, status);
    if (!node) return nullptr;
    auto curve = AnimCurveData::Of(*node);
    if (!curve) report(status, failure("the node is not an anim curve"));
    return curve;
}

// The curve and a valid key index, or null with kInvalidParameter.
std::shared_ptr<AnimCurveData> curveWithKey(const MFnBase& fn, unsigned int index, MStatus* status) {
    auto curve = curveOf(fn, status);
    if (curve && index >= curve->size()) {
        report(status, failure("no key at index " + std::to_string(index), MStatus::kInvalidParameter));
        return nullptr;
    }
    return curve;
}

// Replaces the key at index by an edited copy (which may move in time), recording the edit.
MStatus editKey(const MFnBase& fn, unsigned int index, KeyEditLog* log,
                const std::function<void(Key&)>& edit) {
    MStatus status;
    auto curve = curveWithKey(fn, index, &status);
    if (!curve) return status;
    const Key before = curve->KeyAt(index);
    Key after = before;
    edit(after);
    if (std::abs(after.time - before.time) >= AnimCurveData::kTimeTolerance) {
        if (curve->Find(after.time))
            return failure("another key lies at the new time", MStatus::kInvalidParameter);
        curve->RemoveKey(index);
    }
    curve->SetKey(after);
    if (log) log->Record(curve, before, after);
    return MStatus::kSuccess;
}

// Edits the key at index in place on its curve (tangent edits read the neighbours), recording it.
MStatus editOnCurve(const MFnBase& fn, unsigned int index, KeyEditLog* log,
                    const std::function<void(AnimCurveData&, std::size_t)>& edit) {
    MStatus status;
    auto curve = curveWithKey(fn, index, &status);
    if (!curve) return status;
    const Key before = curve->KeyAt(index);
    edit(*curve, index);
    if (log) log->Record(curve, before, curve->KeyAt(index));
    return MStatus::kSuccess;
}

// Edits the curve's settings, recording the edit.
MStatus editSettings(const MFnBase& fn, KeyEditLog* log,
                     const std::function<void(AnimCurveData::Settings&)>& edit) {
    MStatus status;
    auto curve = curveOf(fn, &status);
    if (!curve) return status;
    const AnimCurveData::Settings before = curve->settings();
    AnimCurveData::Settings after = before;
    edit(after);
    curve->SetSettings(after);
    if (log) log->Record(curve, before, after);
    return MStatus::kSuccess;
}

// A tangent vector from its angle and weight.
AnimCurveData::TangentXY fromAngle(double radians, double weight) {
    return {std::cos(radians) * weight, std::sin(radians) * weight};
}

// Whether an angle points forward in time, as every tangent does (straight up or down does not).
bool isForward(double radians) {
    constexpr double kMinCosine = 1.0e-9;
    return std::cos(radians) > kMinCosine;
}

AnimCurveData::Tangent tangent(MFnAnimCurve::TangentType type) {
    return static_cast<AnimCurveData::Tangent>(type);
}

const char* curveTypeName(MFnAnimCurve::AnimCurveType type) {
    switch (type) {
    case MFnAnimCurve::kAnimCurveTA:
        return "animCurveTA";
    case MFnAnimCurve::kAnimCurveTL:
        return "animCurveTL";
    case MFnAnimCurve::kAnimCurveTU:
        return "animCurveTU";
    default:
        return nullptr;
    }
}

MFnAnimCurve::AnimCurveType curveTypeOf(const std::string& name) {
    if (name == "animCurveTA") return MFnAnimCurve::kAnimCurveTA;
    if (name == "animCurveTL") return MFnAnimCurve::kAnimCurveTL;
    if (name == "animCurveTU") return MFnAnimCurve::kAnimCurveTU;
    return MFnAnimCurve::kAnimCurveUnknown;
}

} // namespace

KeyEditLog* MFnAnimCurve::logOf(MAnimCurveChange* change) {
    return change ? change->log_.get() : nullptr;
}

MFnAnimCurve::MFnAnimCurve(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MFnAnimCurve::MFnAnimCurve(const MPlug& plug, MStatus* ReturnStatus) {
    MObjectArray curves;
    if (!MAnimUtil::findAnimation(plug, curves) || curves.length() != 1) {
        report(ReturnStatus, failure("the plug is not driven by one anim curve", MStatus::kInvalidParameter));
        return;
    }
    report(ReturnStatus, setObject(curves[0]));
}

MObject MFnAnimCurve::create(const MPlug& plug, MDGModifier* modifier, MStatus* ReturnStatus) {
    auto attribute = ObjectAccess::Attribute(plug.attribute());
    if (!attribute) return report(ReturnStatus, failure("null plug", MStatus::kInvalidParameter)), MObject();
    return create(plug, curveTypeOf(AnimCurveTypeFor(*attribute)), modifier, ReturnStatus);
}

MObject MFnAnimCurve::create(const MObject& node, const MObject& attribute, MDGModifier* modifier,
                             MStatus* ReturnStatus) {
    return create(MPlug(node, attribute), modifier, ReturnStatus);
}

MObject MFnAnimCurve::create(const MPlug& plug, AnimCurveType type, MDGModifier* modifier,
                             MStatus* ReturnStatus) {
    auto node = ObjectAccess::LiveNode(plug.node());
    auto attribute = ObjectAccess::Attribute(plug.attribute());
    if (!node || !attribute)
        return report(ReturnStatus,
                      failure("the plug's node is not in the scene", MStatus::kInvalidParameter)),
               MObject();
    const auto kind = attribute->kind();
    if (kind != AttributeKind::kDouble && kind != AttributeKind::kInt && kind != AttributeKind::kBool)
        return report(ReturnStatus,
                      failure(plug.info().str() + " holds no number", MStatus::kInvalidParameter)),
               MObject();
    if (node->Input(*attribute))
        return report(ReturnStatus,
                      failure(plug.info().str() + " already has an input", MStatus::kInvalidParameter)),
               MObject();

    MDGModifier local;
    MDGModifier& dg = modifier ? *modifier : local;
    MStatus status;
    MObject curve = create(type, &dg, &status);
    if (!status) return report(ReturnStatus, status), MObject();
    dg.renameNode(curve, MString(node->name() + "_" + attribute->LongName()));
    auto curveNode = ObjectAccess::node(curve);
    dg.connect(curve, ObjectAccess::wrap(curveNode->FindAttribute("output")), plug.node(), plug.attribute());
    status = dg.doIt();
    if (!status) {
        object_ = MObject();
        return report(ReturnStatus, status), MObject();
    }
    return report(ReturnStatus, MStatus::kSuccess), curve;
}

MObject MFnAnimCurve::create(AnimCurveType type, MDGModifier* modifier, MStatus* ReturnStatus) {
    const char* name = curveTypeName(type);
    if (!name)
        return report(ReturnStatus, failure("unsupported curve type", MStatus::kInvalidParameter)), MObject();
    MDGModifier local;
    MDGModifier& dg = modifier ? *modifier : local;
    MStatus status;
    MObject curve = dg.createNode(name, &status);
    if (status && !modifier) status = dg.doIt();
    if (!status) return report(ReturnStatus, status), MObject();
    object_ = curve;
    return report(ReturnStatus, MStatus::kSuccess), curve;
}

MFnAnimCurve::AnimCurveType MFnAnimCurve::animCurveType(MStatus* ReturnStatus) const {
    auto node = liveNodeOf(*this, ReturnStatus);
    return node ? curveTypeOf(node->type().name()) : kAnimCurveUnknown;
}

unsigned int MFnAnimCurve::numKeys(MStatus* ReturnStatus) const {
    auto curve = curveOf(*this, ReturnStatus);
    return curve ? static_cast<unsigned int>(curve->size()) : 0u;
}

unsigned int MFnAnimCurve::addKey(const MTime& time, double value, TangentType tangentInType,
                                  TangentType tangentOutType, MAnimCurveChange* change,
                                  MStatus* ReturnStatus) {
    auto curve = curveOf(*this, ReturnStatus);
    if (!curve) return 0;
    const Key key{seconds(time), value, tangent(tangentInType), tangent(tangentOutType)};
    std::optional<Key> before;
    if (change)
        if (const auto at = curve->Find(key.time)) before = curve->KeyAt(*at);
    const std::size_t index = curve->SetKey(key);
    if (auto* log = logOf(change)) log->Record(curve, before, curve->KeyAt(index));
    report(ReturnStatus, MStatus::kSuccess);
    return static_cast<unsigned int>(index);
}

MStatus MFnAnimCurve::addKeyframe(const MTime& time, double value, MAnimCurveChange* change) {
    return addKeyframe(time, value, kTangentGlobal, kTangentGlobal, change);
}

MStatus MFnAnimCurve::addKeyframe(const MTime& time, double value, TangentType tangentInType,
                                  TangentType tangentOutType, MAnimCurveChange* change) {
    MStatus status;
    addKey(time, value, tangentInType, tangentOutType, change, &status);
    return status;
}

MStatus MFnAnimCurve::addKeys(MTimeArray* times, MDoubleArray* values, TangentType tangentInType,
                              TangentType tangentOutType, bool keepExistingKeys, MAnimCurveChange* change) {
    if (!times || !values || times->length() != values->length())
        return failure("times and values must be two arrays of one length", MStatus::kInvalidParameter);
    MStatus status;
    auto curve = curveOf(*this, &status);
    if (!curve) return status;
    if (!keepExistingKeys)
        while (numKeys() > 0) remove(numKeys() - 1, change);
    for (unsigned int i = 0; i < times->length(); ++i)
        addKey((*times)[i], (*values)[i], tangentInType, tangentOutType, change);
    return MStatus::kSuccess;
}

MStatus MFnAnimCurve::remove(unsigned int index, MAnimCurveChange* change) {
    MStatus status;
    auto curve = curveWithKey(*this, index, &status);
    if (!curve) return status;
    const Key removed = curve->KeyAt(index);
    curve->RemoveKey(index);
    if (auto* log = logOf(change)) log->Record(curve, removed, std::nullopt);
    return MStatus::kSuccess;
}

bool MFnAnimCurve::find(const MTime& time, unsigned int& index, MStatus* ReturnStatus) const {
    auto curve = curveOf(*this, ReturnStatus);
    if (!curve) return false;
    const auto at = curve->Find(seconds(time));
    if (at) index = static_cast<unsigned int>(*at);
    return at.has_value();
}

unsigned int MFnAnimCurve::findClosest(const MTime& time, MStatus* ReturnStatus) const {
    auto curve = curveOf(*this, ReturnStatus);
    return curve ? static_cast<unsigned int>(curve->FindClosest(seconds(time))) : 0u;
}

MTime MFnAnimCurve::time(unsigned int index, MStatus* ReturnStatus) const {
    auto curve = curveWithKey(*this, index, ReturnStatus);
    if (!curve) return MTime();
    MTime t(curve->KeyAt(index).time, MTime::kSeconds);
    t.setUnit(MTime::uiUnit());
    return t;
}

double MFnAnimCurve::value(unsigned int index, MStatus* ReturnStatus) const {
    auto curve = curveWithKey(*this, index, ReturnStatus);
    return curve ? curve->KeyAt(index).value : 0.0;
}

MStatus MFnAnimCurve::setValue(unsigned int index, double value, MAnimCurveChange* change) {
    return editKey(*this, index, logOf(change), [&](Key& k) { k.value = value; });
}

MStatus MFnAnimCurve::setTime(unsigned int index, const MTime& time, MAnimCurveChange* change) {
    return editKey(*this, index, logOf(change), [&](Key& k) { k.time = seconds(time); });
}

MFnAnimCurve::TangentType MFnAnimCurve::inTangentType(unsigned int index, MStatus* ReturnStatus) const {
    auto curve = curveWithKey(*this, index, ReturnStatus);
    return curve ? static_cast<TangentType>(curve->KeyAt(index).in) : kTangentGlobal;
}

MFnAnimCurve::TangentType MFnAnimCurve::outTangentType(unsigned int index, MStatus* ReturnStatus) const {
    auto curve = curveWithKey(*this, index, ReturnStatus);
    return curve ? static_cast<TangentType>(curve->KeyAt(index).out) : kTangentGlobal;
}

MStatus MFnAnimCurve::setInTangentType(unsigned int index, TangentType type, MAnimCurveChange* change) {
    return editOnCurve(*this, index, logOf(change), [&](AnimCurveData& curve, std::size_t at) {
        curve.SetTangents(at, tangent(type), curve.KeyAt(at).out);
    });
}

MStatus MFnAnimCurve::setOutTangentType(unsigned int index, TangentType type, MAnimCurveChange* change) {
    return editOnCurve(*this, index, logOf(change), [&](AnimCurveData& curve, std::size_t at) {
        curve.SetTangents(at, curve.KeyAt(at).in, tangent(type));
    });
}

MStatus MFnAnimCurve::evaluate(const MTime& time, double& value) const {
    MStatus status;
    auto curve = curveOf(*this, &status);
    if (curve) value = curve->evaluate(seconds(time));
    return status;
}

double MFnAnimCurve::evaluate(const MTime& time, MStatus* ReturnStatus) const {
    double value = 0.0;
    report(ReturnStatus, evaluate(time, value));
    return value;
}

bool MFnAnimCurve::isStatic(MStatus* ReturnStatus) const {
    auto curve = curveOf(*this, ReturnStatus);
    if (!curve) return false;
    for (const Key& k : curve->Keys())
        if (k.value != curve->KeyAt(0).value) return false;
    return true;
}

bool MFnAnimCurve::isTimeInput(MStatus* ReturnStatus) const {
    return liveNodeOf(*this, ReturnStatus) != nullptr; // every curve of this host is driven by time
}

bool MFnAnimCurve::isUnitlessInput(MStatus* ReturnStatus) const {
    liveNodeOf(*this, ReturnStatus);
    return false;
}

MStatus MFnAnimCurve::getTangent(unsigned int index, float& x, float& y, bool inTangent) const {
    MStatus status;
    auto curve = curveWithKey(*this, index, &status);
    if (!curve) return status;
    const auto vector = curve->TangentVector(index, inTangent);
    x = static_cast<float>(vector.x);
    y = static_cast<float>(vector.y);
    return MStatus::kSuccess;
}

MStatus MFnAnimCurve::getTangent(unsigned int index, MAngle& angle, double& weight, bool inTangent) const {
    MStatus status;
    auto curve = curveWithKey(*this, index, &status);
    if (!curve) return status;
    const auto vector = curve->TangentVector(index, inTangent);
    angle = MAngle(std::atan2(vector.y, vector.x), MAngle::kRadians);
    weight = std::hypot(vector.x, vector.y);
    return MStatus::kSuccess;
}

MStatus MFnAnimCurve::setTangent(unsigned int index, float x, float y, bool inTangent,
                                 MAnimCurveChange* change, bool /*convertUnits*/) {
    if (!(x > 0.0f) || !std::isfinite(y))
        return failure("a tangent's x must be above 0", MStatus::kInvalidParameter);
    return editOnCurve(*this, index, logOf(change), [&](AnimCurveData& curve, std::size_t at) {
        curve.SetTangentVector(at, inTangent, {x, y});
    });
}

MStatus MFnAnimCurve::setTangent(unsigned int index, MAngle angle, double weight, bool inTangent,
                                 MAnimCurveChange* change, bool /*convertUnits*/) {
    const double radians = angle.asRadians();
    if (!isForward(radians) || !(weight > 0.0))
        return failure("a tangent needs an angle between -90 and 90 degrees and a weight above 0",
                       MStatus::kInvalidParameter);
    return editOnCurve(*this, index, logOf(change), [&](AnimCurveData& curve, std::size_t at) {
        curve.SetTangentVector(at, inTangent, fromAngle(radians, weight));
    });
}

MStatus MFnAnimCurve::setAngle(unsigned int index, MAngle angle, bool inTangent, MAnimCurveChange* change) {
    const double radians = angle.asRadians();
    if (!isForward(radians))
        return failure("a tangent's angle must lie between -90 and 90 degrees", MStatus::kInvalidParameter);
    return editOnCurve(*this, index, logOf(change), [&](AnimCurveData& curve, std::size_t at) {
        const auto vector = curve.TangentVector(at, inTangent);
        curve.SetTangentVector(at, inTangent, fromAngle(radians, std::hypot(vector.x, vector.y)));
    });
}

MStatus MFnAnimCurve::setWeight(unsigned int index, double weight, bool inTangent, MAnimCurveChange* change) {
    if (!(weight > 0.0)) return failure("a tangent's weight must be above 0", MStatus::kInvalidParameter);
    MStatus status;
    auto curve = curveWithKey(*this, index, &status);
    if (!curve) return status;
    if (curve->IsWeighted() && curve->KeyAt(index).weightsLocked)
        return failure("the weights of key " + std::to_string(index) + " are locked",
                       MStatus::kInvalidParameter);
    return editOnCurve(*this, index, logOf(change), [&](AnimCurveData& data, std::size_t at) {
        const auto vector = data.TangentVector(at, inTangent);
        // Only this tangent's length changes: the other keeps its own, locked or not.
        data.SetFixedTangent(at, inTangent, fromAngle(std::atan2(vector.y, vector.x), weight));
    });
}

bool MFnAnimCurve::weightsLocked(unsigned int index, MStatus* ReturnStatus) const {
    auto curve = curveWithKey(*this, index, ReturnStatus);
    return curve && curve->KeyAt(index).weightsLocked;
}

bool MFnAnimCurve::tangentsLocked(unsigned int index, MStatus* ReturnStatus) const {
    auto curve = curveWithKey(*this, index, ReturnStatus);
    return curve && curve->KeyAt(index).tangentsLocked;
}

MStatus MFnAnimCurve::setWeightsLocked(unsigned int index, bool locked, MAnimCurveChange* change) {
    return editKey(*this, index, logOf(change), [&](Key& k) { k.weightsLocked = locked; });
}

MStatus MFnAnimCurve::setTangentsLocked(unsigned int index, bool locked, MAnimCurveChange* change) {
    return editKey(*this, index, logOf(change), [&](Key& k) { k.tangentsLocked = locked; });
}

MFnAnimCurve::InfinityType MFnAnimCurve::preInfinityType(MStatus* ReturnStatus) const {
    auto curve = curveOf(*this, ReturnStatus);
    return curve ? static_cast<InfinityType>(curve->PreInfinity()) : kConstant;
}

MFnAnimCurve::InfinityType MFnAnimCurve::postInfinityType(MStatus* ReturnStatus) const {
    auto curve = curveOf(*this, ReturnStatus);
    return curve ? static_cast<InfinityType>(curve->PostInfinity()) : kConstant;
}

namespace {

// The curve's infinity mode for an API value, or none for a value the API does not have.
std::optional<AnimCurveData::Infinity> infinityOf(MFnAnimCurve::InfinityType type) {
    switch (type) {
    case MFnAnimCurve::kConstant:
    case MFnAnimCurve::kLinear:
    case MFnAnimCurve::kCycle:
    case MFnAnimCurve::kCycleRelative:
    case MFnAnimCurve::kOscillate:
        return static_cast<AnimCurveData::Infinity>(type);
    }
    return std::nullopt;
}

MStatus setInfinity(const MFnBase& fn, MFnAnimCurve::InfinityType type, bool pre, KeyEditLog* log) {
    const auto mode = infinityOf(type);
    if (!mode) return failure("unknown infinity type", MStatus::kInvalidParameter);
    return editSettings(fn, log, [&](AnimCurveData::Settings& s) { (pre ? s.pre : s.post) = *mode; });
}

} // namespace

MStatus MFnAnimCurve::setPreInfinityType(InfinityType infinityType, MAnimCurveChange* change) {
    return setInfinity(*this, infinityType, true, logOf(change));
}

MStatus MFnAnimCurve::setPostInfinityType(InfinityType infinityType, MAnimCurveChange* change) {
    return setInfinity(*this, infinityType, false, logOf(change));
}

bool MFnAnimCurve::isWeighted(MStatus* ReturnStatus) const {
    auto curve = curveOf(*this, ReturnStatus);
    return curve && curve->IsWeighted();
}

MStatus MFnAnimCurve::setIsWeighted(bool isWeighted, MAnimCurveChange* change) {
    return editSettings(*this, logOf(change), [&](AnimCurveData::Settings& s) { s.weighted = isWeighted; });
}
