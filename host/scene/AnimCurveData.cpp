#include "host/scene/AnimCurveData.h"

#include "host/scene/Node.h"

#include <algorithm>
#include <cmath>

namespace vex::host {

std::size_t AnimCurveData::LowerBound(double time) const {
    // Keys usually arrive in time order: check the end before searching.
    if (keys_.empty() || keys_.back().time < time - kTimeTolerance) return keys_.size();
    return std::lower_bound(keys_.begin(), keys_.end(), time - kTimeTolerance,
                            [](const Key& k, double t) { return k.time < t; }) -
           keys_.begin();
}

namespace {
constexpr std::size_t kPrefetchAhead = 4;
} // namespace

std::size_t AnimCurveData::LowerBoundNear(double time) const {
    const double from = time - kTimeTolerance;
    for (std::size_t at = hint_; at < keys_.size() && at <= hint_ + 1; ++at) {
        if (keys_[at].time >= from && (at == 0 || keys_[at - 1].time < from)) {
            // Reads walk forward frame by frame across many curves at once: fetching the keys a few
            // frames ahead now hides the memory latency of the reads to come.
            if (at + kPrefetchAhead < keys_.size()) __builtin_prefetch(&keys_[at + kPrefetchAhead]);
            return hint_ = at;
        }
    }
    return hint_ = LowerBound(time);
}

std::size_t AnimCurveData::SetKey(const Key& key) {
    const std::size_t at = LowerBoundNear(key.time);
    if (at < keys_.size() && std::abs(keys_[at].time - key.time) < kTimeTolerance) {
        const double keptTime = keys_[at].time;
        keys_[at] = key;
        keys_[at].time = keptTime;
        return at;
    }
    keys_.insert(keys_.begin() + at, key);
    return at;
}

void AnimCurveData::RemoveKey(std::size_t index) {
    if (index < keys_.size()) keys_.erase(keys_.begin() + index);
}

std::optional<AnimCurveData::Key> AnimCurveData::RemoveKeyAt(double time) {
    const auto at = Find(time);
    if (!at) return std::nullopt;
    const Key removed = keys_[*at];
    RemoveKey(*at);
    return removed;
}

void AnimCurveData::SetTangents(std::size_t index, Tangent in, Tangent out) {
    keys_[index].in = in;
    keys_[index].out = out;
}

std::optional<std::size_t> AnimCurveData::Find(double time) const {
    const std::size_t at = LowerBoundNear(time);
    if (at < keys_.size() && std::abs(keys_[at].time - time) < kTimeTolerance) return at;
    return std::nullopt;
}

std::size_t AnimCurveData::FindClosest(double time) const {
    const std::size_t at = LowerBound(time);
    if (at == 0 || keys_.empty()) return 0;
    if (at == keys_.size()) return at - 1;
    return time - keys_[at - 1].time <= keys_[at].time - time ? at - 1 : at;
}

double AnimCurveData::Slope(std::size_t index, bool outSide) const {
    const Key& k = keys_[index];
    auto segment = [&](std::size_t a, std::size_t b) {
        return (keys_[b].value - keys_[a].value) / (keys_[b].time - keys_[a].time);
    };
    const bool hasPrev = index > 0;
    const bool hasNext = index + 1 < keys_.size();
    const Tangent type = outSide ? k.out : k.in;
    switch (type) {
    case kFlat:
    case kStep:
    case kStepNext:
        return 0.0;
    case kLinear:
        if (outSide) return hasNext ? segment(index, index + 1) : (hasPrev ? segment(index - 1, index) : 0.0);
        return hasPrev ? segment(index - 1, index) : (hasNext ? segment(index, index + 1) : 0.0);
    default:
        break;
    }
    // Smooth family: the slope through the neighbours; clamped and plateau keys flatten at extremes and
    // next to an equal neighbour so the curve does not overshoot.
    if (!hasPrev && !hasNext) return 0.0;
    if (!hasPrev) return segment(index, index + 1);
    if (!hasNext) return segment(index - 1, index);
    // Auto and the global default (auto in the host's preferences) behave as clamped here.
    if (type == kClamped || type == kPlateau || type == kAuto || type == kGlobal) {
        const double before = keys_[index - 1].value - k.value;
        const double after = keys_[index + 1].value - k.value;
        if (before * after >= 0.0) return 0.0;
    }
    return segment(index - 1, index + 1);
}

double AnimCurveData::evaluate(double time) const {
    if (keys_.empty()) return 0.0;
    if (time <= keys_.front().time) return keys_.front().value;
    if (time >= keys_.back().time) return keys_.back().value;
    const std::size_t next = LowerBoundNear(time);
    const Key& b = keys_[next];
    if (std::abs(b.time - time) < kTimeTolerance) return b.value;
    const Key& a = keys_[next - 1];
    if (a.out == kStep) return a.value;
    if (a.out == kStepNext) return b.value;
    const double span = b.time - a.time;
    const double s = (time - a.time) / span;
    if (a.out == kLinear && b.in == kLinear) return a.value + (b.value - a.value) * s;
    // Cubic Hermite segment through the two values with the tangent slopes.
    const double m0 = Slope(next - 1, true) * span;
    const double m1 = Slope(next, false) * span;
    const double s2 = s * s;
    const double s3 = s2 * s;
    return (2 * s3 - 3 * s2 + 1) * a.value + (s3 - 2 * s2 + s) * m0 + (-2 * s3 + 3 * s2) * b.value +
           (s3 - s2) * m1;
}

std::shared_ptr<AnimCurveData> AnimCurveData::Of(const Node& node) {
    if (!node.HasFn(MFn::kAnimCurve)) return nullptr;
    return std::static_pointer_cast<AnimCurveData>(node.UserObject());
}

} // namespace vex::host
