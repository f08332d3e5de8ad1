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

    struct Key {
        double time = 0.0;
        double value = 0.0;
        Tangent in = kLinear;
        Tangent out = kLinear;
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
    void SetTangents(std::size_t index, Tangent in, Tangent out);

    /// Index of the key at time (within kTimeTolerance), if any.
    std::optional<std::size_t> Find(double time) const;
    /// Index of the key nearest to time (0 for an empty curve).
    std::size_t FindClosest(double time) const;

    /// The curve's value at time: exact at key times; between two keys linear when the out tangent of
    /// the first and the in tangent of the second are linear, held by step tangents, and a cubic through
    /// the tangent slopes of the other types; the first value before the first key and the last after
    /// the last. 0 without keys.
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

    std::vector<Key> keys_;
    mutable std::size_t hint_ = 0;
};

} // namespace vex::host
