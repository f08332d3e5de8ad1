#pragma once

#include "util/AVar.h"
#include "util/Vector3.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>

namespace vex::util {

/// An animated variable that blends linearly between keys:
/// a.value + (b.value − a.value) × (t − a.time) / (b.time − a.time), per component for a Vector3.
/// An int result is truncated toward zero; a bool blends false = 0 and true = 1 and is true unless
/// the blend is exactly 0. Used for bool, int, double (the recorded input channels) and Vector3.
template <typename T>
class AVar_Linear final : public AVar<T> {
    static_assert(std::is_same_v<T, bool> || std::is_same_v<T, int32_t> || std::is_same_v<T, double> ||
                      std::is_same_v<T, Vector3<double>>,
                  "AVar_Linear is used for bool, int, double and Vector3");

public:
    using typename AVar<T>::Key;

    /// A variable without keys whose get() returns `defaultValue`.
    explicit AVar_Linear(const T& defaultValue = T{}) : AVar<T>(defaultValue) {}

    /// The linear blend of `a` and `b` at `t`.
    void interpolate(Key& out, const Key& a, const Key& b, double t) const override {
        out.time = t;
        if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, int32_t>) {
            const double from = a.value;
            const double blend = from + (double(b.value) - from) * (t - a.time) / (b.time - a.time);
            if constexpr (std::is_same_v<T, bool>) {
                out.value = blend != 0.0;
            } else if (std::isnan(blend)) {
                // Only infinite key times get here; hold the earlier value.
                out.value = a.value;
            } else {
                // The conversion truncates toward zero; the blend lies between the two values up to
                // rounding, and the clamp keeps the conversion defined even then.
                out.value = static_cast<int32_t>(std::clamp(blend, -2147483648.0, 2147483647.0));
            }
        } else {
            out.value = a.value + (b.value - a.value) * (t - a.time) / (b.time - a.time);
        }
    }
};

} // namespace vex::util
