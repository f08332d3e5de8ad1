#include "host/file/TangentCodes.h"

#include <array>
#include <utility>

namespace vex::host::file {

namespace {

using Tangent = AnimCurveData::Tangent;

constexpr std::array<std::pair<Tangent, int>, 12> kCodes = {{{AnimCurveData::kGlobal, 0},
                                                             {AnimCurveData::kFixed, 1},
                                                             {AnimCurveData::kLinear, 2},
                                                             {AnimCurveData::kFlat, 3},
                                                             {AnimCurveData::kStep, 5},
                                                             {AnimCurveData::kSlow, 6},
                                                             {AnimCurveData::kFast, 7},
                                                             {AnimCurveData::kSmooth, 9},
                                                             {AnimCurveData::kClamped, 10},
                                                             {AnimCurveData::kPlateau, 16},
                                                             {AnimCurveData::kStepNext, 17},
                                                             {AnimCurveData::kAuto, 18}}};

} // namespace

int TangentCodes::ToFile(Tangent tangent) {
    for (const auto& [type, code] : kCodes)
        if (type == tangent) return code;
    return 2;
}

std::optional<Tangent> TangentCodes::FromFile(int code) {
    for (const auto& [type, number] : kCodes)
        if (number == code) return type;
    return std::nullopt;
}

} // namespace vex::host::file
