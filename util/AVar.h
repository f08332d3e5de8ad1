#pragma once

#include "util/AVarCodec.h"
#include "util/ByteReader.h"
#include "util/ByteWriter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

namespace vex::util {

/// An animated variable: simulation state that must be known as it was at any earlier time. It keeps
/// time-stamped keys, sorted by ascending time with at most one key per time, and a default value
/// for when it has no keys; a flavour (AVar_Latest, AVar_Nearest, AVar_Linear, AVar_Matrix) decides
/// the value between two keys. Keys sit in one vector, so appending at the end (recording) is
/// amortised constant time and lookups are binary searches. Times must not be NaN.
///
/// Saved form (little-endian, packed): header size (int32, always 16), payload size (int32, the
/// bytes after the header), format version (int32, always 100), key count (int32), then per key its
/// time (double) and its value in the on-disk form of AVarCodec.h. The default value is not saved.
template <typename T>
class AVar {
    static_assert(kIsAVarValue<T>, "animated variables hold only the value types they can save");

public:
    /// One key: the value the variable had at `time`.
    struct Key {
        double time{};
        T value{};
    };

    /// Bytes of the header in front of the keys.
    static constexpr size_t kHeaderSize = 16;
    /// The format version the header carries.
    static constexpr int32_t kFormatVersion = 100;
    /// Bytes of one key on disk: its time and its value.
    static constexpr size_t kKeyDiskSize = 8 + kAVarDiskSize<T>;

    /// Fills `out` with time `t` and the value at `t`, for `t` between the neighbouring keys `a`
    /// (earlier) and `b` (later). Each flavour implements it.
    virtual void interpolate(Key& out, const Key& a, const Key& b, double t) const = 0;

    /// Bytes `serialize` needs: the header plus every key.
    virtual size_t getSerializedSize() const { return kHeaderSize + keys_.size() * kKeyDiskSize; }

    /// Writes the header and, if `capacity` is at least getSerializedSize(), the keys to `buffer`;
    /// returns getSerializedSize() either way. A buffer shorter than the header (or null) receives
    /// nothing, as does a variable whose payload would not fit the 32-bit size field.
    virtual size_t serialize(uint8_t* buffer, size_t capacity) const {
        const size_t size = getSerializedSize();
        const size_t payload = size - kHeaderSize;
        if (buffer == nullptr || capacity < kHeaderSize ||
            payload > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
            return size;
        ByteWriter out(buffer, capacity);
        out.Write(static_cast<int32_t>(kHeaderSize));
        out.Write(static_cast<int32_t>(payload));
        out.Write(kFormatVersion);
        out.Write(static_cast<int32_t>(keys_.size()));
        if (capacity < size) return size;
        for (const Key& key : keys_) {
            out.Write(key.time);
            WriteAVarValue(out, key.value);
        }
        return size;
    }

    /// Replaces the keys with those of the record in the first `length` bytes of `buffer` and returns
    /// true. Never reads past `length`. Rejects (returns false, leaving the variable unchanged) a
    /// record whose header size is not 16 or version not 100, whose count or payload size is
    /// negative, whose payload size is not count × kKeyDiskSize or runs past `length`, whose times
    /// are NaN or not strictly ascending, or whose values have no on-disk meaning (a bool byte other
    /// than 0 or 1). Bytes after the record are ignored; the default value is kept.
    virtual bool deserialize(const uint8_t* buffer, size_t length) {
        ByteReader in(buffer, length);
        int32_t headerSize = 0, payload = 0, version = 0, count = 0;
        if (!in.Read(headerSize) || !in.Read(payload) || !in.Read(version) || !in.Read(count)) return false;
        if (headerSize != static_cast<int32_t>(kHeaderSize) || version != kFormatVersion) return false;
        if (count < 0 || payload < 0) return false;
        if (static_cast<uint64_t>(count) * kKeyDiskSize != static_cast<uint64_t>(payload)) return false;
        if (static_cast<size_t>(payload) > in.Remaining()) return false;

        std::vector<Key> keys(static_cast<size_t>(count));
        for (size_t i = 0; i < keys.size(); ++i) {
            if (!in.Read(keys[i].time)) return false;
            if (std::isnan(keys[i].time) || (i > 0 && !(keys[i - 1].time < keys[i].time))) return false;
            if (!ReadAVarValue(in, keys[i].value)) return false;
        }
        keys_ = std::move(keys);
        return true;
    }

    virtual ~AVar() = default;

    /// The index of the key that governs time `t`: −1 without keys; 0 when `t` is before the first
    /// key; the key at exactly `t`; the last key when `t` is after it; otherwise the nearer of the two
    /// neighbours, the later one when `t` is half-way or nearer to it. Binary search.
    int32_t findIndex(double t) const {
        if (keys_.empty()) return -1;
        const auto later = std::lower_bound(keys_.begin(), keys_.end(), t,
                                            [](const Key& key, double time) { return key.time < time; });
        if (later == keys_.end()) return static_cast<int32_t>(keys_.size() - 1);
        const auto i = static_cast<int32_t>(later - keys_.begin());
        if (later->time == t || i == 0) return i;
        const Key& earlier = keys_[static_cast<size_t>(i - 1)];
        return later->time - t <= t - earlier.time ? i : i - 1;
    }

    /// The value at time `t`: the default value without keys; the value of a key at exactly `t`;
    /// the first or last value, held, before the first or after the last key; otherwise the
    /// flavour's interpolation between the two keys around `t`.
    T get(double t) const {
        const int32_t found = findIndex(t);
        if (found < 0) return default_;
        const auto i = static_cast<size_t>(found);
        const Key& key = keys_[i];
        if (key.time == t) return key.value;
        Key out;
        if (t > key.time) {
            if (i + 1 == keys_.size()) return key.value;
            interpolate(out, key, keys_[i + 1], t);
        } else {
            if (i == 0) return key.value;
            interpolate(out, keys_[i - 1], key, t);
        }
        return out.value;
    }

    /// Sets the value at time `t`: overwrites the key at exactly `t`, or inserts a new key in time
    /// order (appended when `t` is after the last key, the recording case). Returns the stored value,
    /// valid until the keys next change.
    const T& set(double t, const T& value) {
        if (keys_.empty() || t > keys_.back().time) {
            keys_.push_back({t, value});
            return keys_.back().value;
        }
        const auto at = std::lower_bound(keys_.begin(), keys_.end(), t,
                                         [](const Key& key, double time) { return key.time < time; });
        if (at->time == t) {
            at->value = value;
            return at->value;
        }
        return keys_.insert(at, Key{t, value})->value;
    }

    /// Removes the keys from index `i` to the end; a negative `i` removes all, an `i` at or past the
    /// key count none.
    void truncate(int32_t i) {
        const size_t from = i < 0 ? 0 : static_cast<size_t>(i);
        if (from < keys_.size()) keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(from), keys_.end());
    }

    /// Forgets everything from time `t` on: removes every key whose time is not before `t`. A tool
    /// calls it in begin(start) with `t` = start + frame duration to re-record from `start`.
    void TruncateFrom(double t) {
        int32_t i = findIndex(t);
        if (i >= 0 && keys_[static_cast<size_t>(i)].time < t) ++i;
        truncate(i);
    }

    /// Removes all keys; the default value stays.
    void clear() { keys_.clear(); }

    /// Gives back the room the key list grew beyond its keys (a finished take keeps no slack).
    void ShrinkToFit() { keys_.shrink_to_fit(); }

    /// Number of keys.
    int32_t GetKeyCount() const { return static_cast<int32_t>(keys_.size()); }

    /// The key at `index` (0 ≤ index < GetKeyCount()).
    const Key& GetKey(int32_t index) const { return keys_[static_cast<size_t>(index)]; }

    /// All keys in time order.
    const std::vector<Key>& GetKeys() const { return keys_; }

    /// The value returned by get() when there are no keys.
    const T& GetDefault() const { return default_; }

    /// Replaces the value returned by get() when there are no keys.
    void SetDefault(const T& value) { default_ = value; }

protected:
    /// A variable without keys whose get() returns `defaultValue`.
    explicit AVar(const T& defaultValue = T{}) : default_(defaultValue) {}
    /// Copies and assignments take the whole key list and the default value. They are protected so
    /// that only variables of the same flavour are copied into each other.
    AVar(const AVar&) = default;
    AVar(AVar&&) noexcept = default;
    AVar& operator=(const AVar&) = default;
    AVar& operator=(AVar&&) noexcept = default;

private:
    std::vector<Key> keys_;
    T default_;
};

} // namespace vex::util
