#pragma once

#include "util/AVar.h"

#include <cstdint>
#include <type_traits>

namespace vex::util {

/// An animated variable that holds the last recorded value until the next key: a step function.
/// Used for flags and counters (bool, unsigned char, int).
template <typename T>
class AVar_Latest final : public AVar<T> {
    static_assert(std::is_same_v<T, bool> || std::is_same_v<T, unsigned char> || std::is_same_v<T, int32_t>,
                  "AVar_Latest is used for bool, unsigned char and int");

public:
    using typename AVar<T>::Key;

    /// A variable without keys whose get() returns `defaultValue`.
    explicit AVar_Latest(const T& defaultValue = T{}) : AVar<T>(defaultValue) {}

    /// The value of the earlier key `a`.
    void interpolate(Key& out, const Key& a, const Key& b, double t) const override {
        (void)b;
        out.time = t;
        out.value = a.value;
    }
};

} // namespace vex::util
