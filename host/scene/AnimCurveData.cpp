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
    Key& key = keys_[index];
    // A tangent that becomes fixed stays where it was: its vector is taken before the types change.
    if (in == kFixed && key.in != kFixed) key.inFixed = TangentVector(index, true);
    if (out == kFixed && key.out != kFixed) key.outFixed = TangentVector(index, false);
    key.in = in;
    key.out = out;
}

namespace {

double Length(AnimCurveData::TangentXY tangent) {
    return std::hypot(tangent.x, tangent.y);
}

// The tangent turned to the direction of `toward`, keeping its length.
AnimCurveData::TangentXY Turned(AnimCurveData::TangentXY tangent, AnimCurveData::TangentXY toward) {
    const double length = Length(tangent);
    const double along = Length(toward);
    if (along == 0.0) return tangent;
    return {toward.x / along * length, toward.y / along * length};
}

// Tangent x is kept above this: a tangent pointing straight up or down has no slope.
constexpr double kMinTangentX = 1.0e-9;

} // namespace

void AnimCurveData::SetTangentVector(std::size_t index, bool inSide, TangentXY tangent) {
    Key& key = keys_[index];
    if (settings_.weighted && key.weightsLocked) tangent = Turned(TangentVector(index, inSide), tangent);
    if (key.tangentsLocked) {
        const TangentXY other = Turned(TangentVector(index, !inSide), tangent);
        (inSide ? key.outFixed : key.inFixed) = other;
        (inSide ? key.out : key.in) = kFixed;
    }
    SetFixedTangent(index, inSide, tangent);
}

void AnimCurveData::SetFixedTangent(std::size_t index, bool inSide, TangentXY tangent) {
    Key& key = keys_[index];
    tangent.x = std::max(tangent.x, kMinTangentX);
    (inSide ? key.inFixed : key.outFixed) = tangent;
    (inSide ? key.in : key.out) = kFixed;
}

AnimCurveData::TangentXY AnimCurveData::TangentVector(std::size_t index, bool inSide) const {
    const Key& key = keys_[index];
    if ((inSide ? key.in : key.out) == kFixed) return inSide ? key.inFixed : key.outFixed;
    // As long as the segment on that side (the other side's at the ends), so that on a weighted curve
    // the Bezier segment is the Hermite one of the same slopes.
    const bool hasPrev = index > 0;
    const bool hasNext = index + 1 < keys_.size();
    double length = 1.0;
    if (hasPrev && (inSide || !hasNext))
        length = key.time - keys_[index - 1].time;
    else if (hasNext)
        length = keys_[index + 1].time - key.time;
    return {length, TypeSlope(index, !inSide) * length};
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
    if ((outSide ? k.out : k.in) == kFixed) {
        const TangentXY& fixed = outSide ? k.outFixed : k.inFixed;
        return fixed.y / std::max(fixed.x, kMinTangentX);
    }
    return TypeSlope(index, outSide);
}

double AnimCurveData::TypeSlope(std::size_t index, bool outSide) const {
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
    if (time < keys_.front().time || time > keys_.back().time) return EvaluateOutside(time);
    return EvaluateInside(time);
}

double AnimCurveData::EvaluateInside(double time) const {
    const std::size_t next = LowerBoundNear(time);
    const Key& b = keys_[next];
    if (next == 0 || std::abs(b.time - time) < kTimeTolerance) return b.value;
    const Key& a = keys_[next - 1];
    if (a.out == kStep) return a.value;
    if (a.out == kStepNext) return b.value;
    const double span = b.time - a.time;
    const double s = (time - a.time) / span;
    if (a.out == kLinear && b.in == kLinear) return a.value + (b.value - a.value) * s;
    if (settings_.weighted) return EvaluateBezier(next, time);
    // Cubic Hermite segment through the two values with the tangent slopes.
    const double m0 = Slope(next - 1, true) * span;
    const double m1 = Slope(next, false) * span;
    const double s2 = s * s;
    const double s3 = s2 * s;
    return (2 * s3 - 3 * s2 + 1) * a.value + (s3 - 2 * s2 + s) * m0 + (-2 * s3 + 3 * s2) * b.value +
           (s3 - s2) * m1;
}

namespace {

// One coordinate of a cubic Bezier at parameter u, and its derivative.
double Bezier(double p0, double p1, double p2, double p3, double u) {
    const double v = 1.0 - u;
    return v * v * v * p0 + 3.0 * v * v * u * p1 + 3.0 * v * u * u * p2 + u * u * u * p3;
}

double BezierSlope(double p0, double p1, double p2, double p3, double u) {
    const double v = 1.0 - u;
    return 3.0 * (v * v * (p1 - p0) + 2.0 * v * u * (p2 - p1) + u * u * (p3 - p2));
}

// The offset of a Bezier control point from its key: a third of the tangent vector, shortened along
// itself so that the point stays within the segment's time.
AnimCurveData::TangentXY ControlOffset(AnimCurveData::TangentXY tangent, double span) {
    AnimCurveData::TangentXY offset{tangent.x / 3.0, tangent.y / 3.0};
    if (!(offset.x > 0.0)) return {};
    if (offset.x > span) offset = {span, offset.y * span / offset.x};
    return offset;
}

constexpr int kBezierSteps = 40;
constexpr double kBezierTimeTolerance = 1.0e-12;

} // namespace

double AnimCurveData::EvaluateBezier(std::size_t next, double time) const {
    const Key& a = keys_[next - 1];
    const Key& b = keys_[next];
    const double span = b.time - a.time;
    const TangentXY out = ControlOffset(TangentVector(next - 1, false), span);
    const TangentXY in = ControlOffset(TangentVector(next, true), span);
    const double t1 = a.time + out.x, v1 = a.value + out.y;
    const double t2 = b.time - in.x, v2 = b.value - in.y;
    // The parameter whose time is `time`: Newton steps kept inside a shrinking bracket.
    double lo = 0.0, hi = 1.0, u = (time - a.time) / span;
    for (int step = 0; step < kBezierSteps; ++step) {
        const double error = Bezier(a.time, t1, t2, b.time, u) - time;
        if (std::abs(error) < kBezierTimeTolerance) break;
        (error < 0.0 ? lo : hi) = u;
        const double slope = BezierSlope(a.time, t1, t2, b.time, u);
        const double newton = slope > 0.0 ? u - error / slope : -1.0;
        u = newton > lo && newton < hi ? newton : 0.5 * (lo + hi);
    }
    return Bezier(a.value, v1, v2, b.value, u);
}

double AnimCurveData::EvaluateOutside(double time) const {
    const bool before = time < keys_.front().time;
    const Infinity mode = before ? settings_.pre : settings_.post;
    const Key& end = before ? keys_.front() : keys_.back();
    if (keys_.size() == 1 || mode == Infinity::kConstant) return end.value;
    if (mode == Infinity::kLinear) {
        const double slope = before ? Slope(0, false) : Slope(keys_.size() - 1, true);
        return end.value + slope * (time - end.time);
    }
    // The cycling modes repeat the keys' range: `cycles` whole ranges away from it.
    const double first = keys_.front().time;
    const double range = keys_.back().time - first;
    const double cycles = std::floor((time - first) / range);
    double local = time - cycles * range;
    if (mode == Infinity::kOscillate && std::fmod(cycles, 2.0) != 0.0) local = 2.0 * first + range - local;
    local = std::clamp(local, first, keys_.back().time);
    double value = EvaluateInside(local);
    if (mode == Infinity::kCycleRelative) value += cycles * (keys_.back().value - keys_.front().value);
    return value;
}

std::shared_ptr<AnimCurveData> AnimCurveData::Of(const Node& node) {
    if (!node.HasFn(MFn::kAnimCurve)) return nullptr;
    return std::static_pointer_cast<AnimCurveData>(node.UserObject());
}

} // namespace vex::host
