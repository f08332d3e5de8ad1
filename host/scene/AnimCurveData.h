#pragma once

#include "host/scene/Data.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace vex::host {

class Node;

/// The keys of one animation curve (time in seconds to value) and their evaluation. An anim curve node
/// owns one of these (see AnimCurveNodeTypes); its "output" is the curve evaluated at the time read.
class AnimCurveData : public Data {
public:
    /// Tangent types with the API's numbering (MFnAnimCurve::TangentType).
    enum Tangent {
        kGlobal = 0,
        kFixed,
        kLinear,
        kFlat,
        kSmooth,
        kStep,
        kSlow,
        kFast,
        kClamped,
        kPlateau,
        kStepNext,
        kAuto
    };

    /// What the curve does before its first key and after its last, with the API's numbering
    /// (MFnAnimCurve::InfinityType), which scene files use too.
    enum class Infinity { kConstant = 0, kLinear = 1, kCycle = 3, kCycleRelative = 4, kOscillate = 5 };

    /// A tangent as a vector: x in seconds (always positive, pointing along time) and y in the curve's
    /// value units. Its slope is y / x; on a weighted curve the segment's control point lies a third of
    /// the vector away from the key.
    struct TangentXY {
        double x = 0.0;
        double y = 0.0;
    };

    struct Key {
        double time = 0.0;
        double value = 0.0;
        Tangent in = kLinear;
        Tangent out = kLinear;
        /// The tangent vectors a kFixed tangent keeps; the other types compute theirs from the keys.
        TangentXY inFixed{};
        TangentXY outFixed{};
        /// Locked tangents turn together; locked weights keep their length when a tangent turns.
        bool tangentsLocked = true;
        bool weightsLocked = true;
    };

    /// Keys whose times differ by less than this many seconds are the same key (far below the
    /// 1/6000 s of the finest frame rate).
    static constexpr double kTimeTolerance = 1.0e-7;

    /// Sets the key at key.time: replaces the key already there or inserts a new one in time order.
    /// Answers its index.
    std::size_t SetKey(const Key& key);
    /// Removes the key at index (ignored past the end).
    void RemoveKey(std::size_t index);
    /// Removes the key at the given time, if there is one; answers it.
    std::optional<Key> RemoveKeyAt(double time);
    /// Removes every key.
    void clear() { keys_.clear(); }
    /// Replaces every key with `keys`, which are in time order with distinct times (as Keys() gives them).
    void AssignKeys(std::vector<Key> keys) { keys_ = std::move(keys); }

    std::size_t size() const { return keys_.size(); }
    const Key& KeyAt(std::size_t index) const { return keys_[index]; }
    const std::vector<Key>& Keys() const { return keys_; }
    /// Changes the value or the tangents of the key at index (the time stays).
    void setValue(std::size_t index, double value) { keys_[index].value = value; }
    /// Changes the tangent types; a side that becomes kFixed keeps the tangent it had until now.
    void SetTangents(std::size_t index, Tangent in, Tangent out);
    /// Makes one side of the key at index a fixed tangent of the given vector (x > 0). With the key's
    /// tangents locked the other side turns to the same direction, keeping its length; with its
    /// weights locked on a weighted curve the side set keeps its length too.
    void SetTangentVector(std::size_t index, bool inSide, TangentXY tangent);
    /// Makes one side of the key at index a fixed tangent of the given vector, whatever the locks.
    void SetFixedTangent(std::size_t index, bool inSide, TangentXY tangent);
    /// The tangent vector on one side of the key at index: the fixed one, or the one its type gives,
    /// as long as the segment on that side.
    TangentXY TangentVector(std::size_t index, bool inSide) const;

    /// The settings of the whole curve.
    struct Settings {
        /// The tangent type keys read from files take (the file's ".tan").
        Tangent defaultTangent = kLinear;
        /// Whether segments are Bezier curves through the tangent vectors (their lengths, the weights,
        /// matter) rather than Hermite curves through their slopes.
        bool weighted = false;
        Infinity pre = Infinity::kConstant;
        Infinity post = Infinity::kConstant;
    };
    const Settings& settings() const { return settings_; }
    void SetSettings(const Settings& settings) { settings_ = settings; }
    Tangent DefaultTangent() const { return settings_.defaultTangent; }
    void SetDefaultTangent(Tangent tangent) { settings_.defaultTangent = tangent; }
    bool IsWeighted() const { return settings_.weighted; }
    void SetWeighted(bool weighted) { settings_.weighted = weighted; }
    Infinity PreInfinity() const { return settings_.pre; }
    Infinity PostInfinity() const { return settings_.post; }
    void SetPreInfinity(Infinity mode) { settings_.pre = mode; }
    void SetPostInfinity(Infinity mode) { settings_.post = mode; }

    /// Index of the key at time (within kTimeTolerance), if any.
    std::optional<std::size_t> Find(double time) const;
    /// Index of the key nearest to time (0 for an empty curve).
    std::size_t FindClosest(double time) const;

    /// The curve's value at time: exact at key times; between two keys linear when the out tangent of
    /// the first and the in tangent of the second are linear, held by step tangents, and otherwise a
    /// cubic through the tangents (Hermite, or Bezier on a weighted curve); outside the keys as the
    /// infinity modes say. 0 without keys.
    double evaluate(double time) const;

    std::shared_ptr<Data> Clone() const override { return std::make_shared<AnimCurveData>(*this); }
    MFn::Type ApiType() const override { return MFn::kData; }

    /// The curve data owned by an anim curve node, or null for any other node.
    static std::shared_ptr<AnimCurveData> Of(const Node& node);

private:
    // Lower bound: the first key whose time is not below time - kTimeTolerance.
    std::size_t LowerBound(double time) const;
    // The same, trying the last answer and the one after it first: playback and recording read the
    // curve at times that move forward a little at a time.
    std::size_t LowerBoundNear(double time) const;
    // Slope of the tangent on one side of the key at index.
    double Slope(std::size_t index, bool outSide) const;
    // The slope the tangent type gives (any type but kFixed).
    double TypeSlope(std::size_t index, bool outSide) const;
    // The value between the first and the last key.
    double EvaluateInside(double time) const;
    // The value before the first key or after the last one.
    double EvaluateOutside(double time) const;
    // The value on the weighted segment that ends at key `next`.
    double EvaluateBezier(std::size_t next, double time) const;

    std::vector<Key> keys_;
    mutable std::size_t hint_ = 0;
    Settings settings_;
};

} // namespace vex::host
