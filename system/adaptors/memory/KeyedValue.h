#pragma once

#include "system/adaptors/memory/Interpolation.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace vex::orb::adaptor::memory {

/// One animatable channel of a host object: a static value, and keys by time that override it once
/// there are any. A read between two keys interpolates; before the first and after the last key the
/// nearest key holds.
template <class T>
class KeyedValue {
public:
    /// Two times closer than this are the same key time (frame times computed in different ways).
    static constexpr double kTimeTolerance = 1e-9;

    struct Key {
        double time;
        T value;
    };

    explicit KeyedValue(T staticValue = T{}) : static_(std::move(staticValue)) {}

    /// The value used while the channel has no keys.
    const T& GetStatic() const { return static_; }
    void SetStatic(T value) { static_ = std::move(value); }

    bool HasKeys() const { return !keys_.empty(); }
    /// The keys in time order.
    const std::vector<Key>& GetKeys() const { return keys_; }
    /// Gives back the room the key list grew beyond its keys (a finished take keeps no slack).
    void ShrinkToFit() { keys_.shrink_to_fit(); }
    /// Replaces all keys (they are sorted by time).
    void SetKeys(std::vector<Key> keys) {
        keys_ = std::move(keys);
        std::sort(keys_.begin(), keys_.end(), [](const Key& a, const Key& b) { return a.time < b.time; });
    }

    /// Sets the key at `time`, replacing one already there.
    void SetKey(double time, T value) {
        auto it = LowerBound(time);
        if (it != keys_.end() && IsAt(*it, time)) {
            it->value = std::move(value);
        } else {
            keys_.insert(it, Key{time, std::move(value)});
        }
    }

    /// The key's value at exactly `time`, if there is one.
    std::optional<T> KeyAt(double time) const {
        auto it = LowerBound(time);
        if (it != keys_.end() && IsAt(*it, time)) return it->value;
        return std::nullopt;
    }

    /// Removes the key at `time`; false when there was none.
    bool RemoveKeyAt(double time) {
        auto it = LowerBound(time);
        if (it == keys_.end() || !IsAt(*it, time)) return false;
        keys_.erase(it);
        return true;
    }

    /// Removes every key at or after `time`; answers how many went.
    size_t RemoveKeysFrom(double time) {
        auto it = LowerBound(time);
        const size_t removed = static_cast<size_t>(keys_.end() - it);
        keys_.erase(it, keys_.end());
        return removed;
    }

    /// The channel's value at `time`.
    T Evaluate(double time) const {
        if (keys_.empty()) return static_;
        if (time <= keys_.front().time) return keys_.front().value;
        if (time >= keys_.back().time) return keys_.back().value;
        auto next = LowerBound(time);
        if (IsAt(*next, time)) return next->value;
        auto previous = next - 1;
        if (IsAt(*previous, time)) return previous->value;
        const double f = (time - previous->time) / (next->time - previous->time);
        return Interpolate(previous->value, next->value, f);
    }

private:
    static bool IsAt(const Key& key, double time) { return std::abs(key.time - time) <= kTimeTolerance; }

    typename std::vector<Key>::iterator LowerBound(double time) {
        return std::lower_bound(keys_.begin(), keys_.end(), time - kTimeTolerance,
                                [](const Key& k, double t) { return k.time < t; });
    }
    typename std::vector<Key>::const_iterator LowerBound(double time) const {
        return std::lower_bound(keys_.begin(), keys_.end(), time - kTimeTolerance,
                                [](const Key& k, double t) { return k.time < t; });
    }

    T static_;
    std::vector<Key> keys_;
};

} // namespace vex::orb::adaptor::memory
