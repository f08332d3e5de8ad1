#pragma once

#include <maya/MAngle.h>
#include <maya/MDoubleArray.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MStatus.h>
#include <maya/MTime.h>
#include <maya/MTimeArray.h>

class MAnimCurveChange;
class MDGModifier;

namespace vex::host {
class KeyEditLog;
}

/// Function set for anim curve nodes: creating a curve that drives a plug, and adding, reading,
/// changing and removing its keys. Key edits given an MAnimCurveChange are recorded in it for undo.
/// Key values are in the host's internal units (centimetres, radians); tangents are vectors of x in
/// seconds and y in those units, or the angle and length (weight) of such a vector.
class MFnAnimCurve : public MFnDependencyNode {
public:
    enum AnimCurveType {
        kAnimCurveTA,
        kAnimCurveTL,
        kAnimCurveTT,
        kAnimCurveTU,
        kAnimCurveUA,
        kAnimCurveUL,
        kAnimCurveUT,
        kAnimCurveUU,
        kAnimCurveUnknown
    };
    enum InfinityType { kConstant = 0, kLinear = 1, kCycle = 3, kCycleRelative = 4, kOscillate = 5 };
    enum TangentType {
        kTangentGlobal = 0,
        kTangentFixed,
        kTangentLinear,
        kTangentFlat,
        kTangentSmooth,
        kTangentStep,
        kTangentSlow,
        kTangentFast,
        kTangentClamped,
        kTangentPlateau,
        kTangentStepNext,
        kTangentAuto
    };

    MFnAnimCurve() = default;
    explicit MFnAnimCurve(const MObject& object, MStatus* ReturnStatus = nullptr);
    /// Attaches to the curve that drives the plug.
    explicit MFnAnimCurve(const MPlug& plug, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kAnimCurve; }

    /// Creates a curve of the type that suits the plug (angle, distance or unitless), named after the
    /// node and attribute, connects its output to the plug and attaches to it. With a modifier the
    /// creation and connection are done through it (its undoIt takes them back). Fails for a plug that
    /// already has an input or holds no number.
    MObject create(const MPlug& plug, MDGModifier* modifier = nullptr, MStatus* ReturnStatus = nullptr);
    MObject create(const MPlug& plug, AnimCurveType type, MDGModifier* modifier = nullptr,
                   MStatus* ReturnStatus = nullptr);
    MObject create(const MObject& node, const MObject& attribute, MDGModifier* modifier = nullptr,
                   MStatus* ReturnStatus = nullptr);
    /// Creates an unconnected curve of the given type (kAnimCurveTA, TL or TU).
    MObject create(AnimCurveType type, MDGModifier* modifier = nullptr, MStatus* ReturnStatus = nullptr);

    AnimCurveType animCurveType(MStatus* ReturnStatus = nullptr) const;

    unsigned int numKeys(MStatus* ReturnStatus = nullptr) const;
    unsigned int numKeyframes(MStatus* ReturnStatus = nullptr) const { return numKeys(ReturnStatus); }

    /// Sets a key at the time (a key already there is replaced) and answers its index.
    unsigned int addKey(const MTime& time, double value, TangentType tangentInType = kTangentGlobal,
                        TangentType tangentOutType = kTangentGlobal, MAnimCurveChange* change = nullptr,
                        MStatus* ReturnStatus = nullptr);
    MStatus addKeyframe(const MTime& time, double value, MAnimCurveChange* change = nullptr);
    MStatus addKeyframe(const MTime& time, double value, TangentType tangentInType,
                        TangentType tangentOutType, MAnimCurveChange* change = nullptr);
    /// Sets keys at every time with the value at the same index; without keepExistingKeys the keys
    /// already on the curve are removed first.
    MStatus addKeys(MTimeArray* times, MDoubleArray* values, TangentType tangentInType = kTangentGlobal,
                    TangentType tangentOutType = kTangentGlobal, bool keepExistingKeys = false,
                    MAnimCurveChange* change = nullptr);
    /// Removes the key at index.
    MStatus remove(unsigned int index, MAnimCurveChange* change = nullptr);

    /// True, with its index, when a key lies at the time.
    bool find(const MTime& time, unsigned int& index, MStatus* ReturnStatus = nullptr) const;
    /// Index of the key nearest to the time.
    unsigned int findClosest(const MTime& time, MStatus* ReturnStatus = nullptr) const;
    /// Time (in the UI unit) and value of the key at index.
    MTime time(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    double value(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MStatus setValue(unsigned int index, double value, MAnimCurveChange* change = nullptr);
    /// Moves the key at index to another time; fails when another key is there.
    MStatus setTime(unsigned int index, const MTime& time, MAnimCurveChange* change = nullptr);
    TangentType inTangentType(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    TangentType outTangentType(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MStatus setInTangentType(unsigned int index, TangentType type, MAnimCurveChange* change = nullptr);
    MStatus setOutTangentType(unsigned int index, TangentType type, MAnimCurveChange* change = nullptr);

    /// One tangent of the key at index as x (seconds) and y (value units), or as its angle and weight.
    MStatus getTangent(unsigned int index, float& x, float& y, bool inTangent) const;
    MStatus getTangent(unsigned int index, MAngle& angle, double& weight, bool inTangent) const;
    /// Makes one tangent of the key at index fixed at the vector given (x above 0; angles strictly
    /// between -90 and 90 degrees). With the key's tangents locked the other tangent turns with it.
    /// The host keeps seconds and internal units, so convertUnits changes nothing.
    MStatus setTangent(unsigned int index, float x, float y, bool inTangent,
                       MAnimCurveChange* change = nullptr, bool convertUnits = true);
    MStatus setTangent(unsigned int index, MAngle angle, double weight, bool inTangent,
                       MAnimCurveChange* change = nullptr, bool convertUnits = true);
    /// Turns one tangent to the angle, keeping its weight.
    MStatus setAngle(unsigned int index, MAngle angle, bool inTangent, MAnimCurveChange* change = nullptr);
    /// Gives one tangent the weight (above 0), keeping its angle; fails while the key's weights are
    /// locked on a weighted curve.
    MStatus setWeight(unsigned int index, double weight, bool inTangent, MAnimCurveChange* change = nullptr);
    /// Whether the key's weights keep their lengths, and whether its two tangents turn together.
    bool weightsLocked(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    bool tangentsLocked(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MStatus setWeightsLocked(unsigned int index, bool locked, MAnimCurveChange* change = nullptr);
    MStatus setTangentsLocked(unsigned int index, bool locked, MAnimCurveChange* change = nullptr);
    /// What the curve does before its first key and after its last.
    InfinityType preInfinityType(MStatus* ReturnStatus = nullptr) const;
    InfinityType postInfinityType(MStatus* ReturnStatus = nullptr) const;
    MStatus setPreInfinityType(InfinityType infinityType, MAnimCurveChange* change = nullptr);
    MStatus setPostInfinityType(InfinityType infinityType, MAnimCurveChange* change = nullptr);
    /// Whether the tangents' weights shape the segments (Bezier segments).
    bool isWeighted(MStatus* ReturnStatus = nullptr) const;
    MStatus setIsWeighted(bool isWeighted, MAnimCurveChange* change = nullptr);

    /// The curve's value at the time.
    MStatus evaluate(const MTime& time, double& value) const;
    double evaluate(const MTime& time, MStatus* ReturnStatus = nullptr) const;
    /// True when every key has the same value.
    bool isStatic(MStatus* ReturnStatus = nullptr) const;
    bool isTimeInput(MStatus* ReturnStatus = nullptr) const;
    bool isUnitlessInput(MStatus* ReturnStatus = nullptr) const;

private:
    // The edit record of a change object (null for none).
    static vex::host::KeyEditLog* logOf(MAnimCurveChange* change);
};
