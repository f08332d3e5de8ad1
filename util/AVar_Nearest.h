#pragma once

#include "util/AVar.h"
#include "util/QTransform.h"
#include "util/Quat.h"
#include "util/Vector3.h"

#include <type_traits>

namespace vex::util {

/// An animated variable that takes the value of the nearer key; exactly half-way the later key
/// wins. Used for bool, double, Vector3, Quat and QTransform.
template <typename T>
class AVar_Nearest final : public AVar<T> {
    static_assert(std::is_same_v<T, bool> || std::is_same_v<T, double> ||
                      std::is_same_v<T, Vector3<double>> || std::is_same_v<T, Quat<double>> ||
                      std::is_same_v<T, QTransform<double>>,
                  "AVar_Nearest is used for bool, double, Vector3, Quat and QTransform");

public:
    using typename AVar<T>::Key;

    /// A variable without keys whose get() returns `defaultValue`.
    explicit AVar_Nearest(const T& defaultValue = T{}) : AVar<T>(defaultValue) {}

    /// The value of `b` when b.time − t is not greater than t − a.time, otherwise that of `a`.
    void interpolate(Key& out, const Key& a, const Key& b, double t) const override {
        out.time = t;
        out.value = b.time - t <= t - a.time ? b.value : a.value;
    }
};

} // namespace vex::util
