#pragma once

#include "plugins/activescaler/C1DScalerNode.h"
#include "plugins/directinputlink/CLinkToolObject.h"

#include <array>

namespace vex::orb::addon {

/// The channels of the active scaler, in input order.
enum ScalerChannel : std::size_t { kScaleUniform, kScaleX, kScaleY, kScaleZ, kScaleChannelCount };

/// The active scaler: the 1D positioner's design for scale. With fu, fx, fy, fz the filtered values
/// of "Uniform Scale", "X Scale", "Y Scale" and "Z Scale", the dummy's scale along the cage's axes is
/// 1 + fu + fx, 1 + fu + fy and 1 + fu + fz, so released inputs give the unit scale; a scale never
/// goes below kSmallestScale, so the dummy neither vanishes nor turns inside out.
class C1DScalerObject : public CLinkToolObject {
public:
    static constexpr std::array<const char*, kScaleChannelCount> kInputNames{"Uniform Scale", "X Scale",
                                                                             "Y Scale", "Z Scale"};
    static constexpr double kSmallestScale = 0.001;

    /// Copies the plug-in and the instance name; default settings, no nodes yet.
    explicit C1DScalerObject(const CreateParam& param);

    util::Matrix<double> LinkMatrix(const Filtered& f) const override;

    CRelativeCageNode cage;
    C1DScalerNode scaler;
};

} // namespace vex::orb::addon
