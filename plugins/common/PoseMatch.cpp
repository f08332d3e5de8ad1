#include "plugins/common/PoseMatch.h"

#include "util/MathOps.h"

namespace vex::orb::addon {
namespace {

constexpr double kSamePosition = 1e-7;
constexpr double kSameRotation = 1e-10;

} // namespace

bool SamePose(const util::QTransform<double>& a, const util::QTransform<double>& b) {
    const double scale = 1.0 + util::Length(a.translation);
    const double dot = std::abs(util::Dot(a.rotation, b.rotation));
    return util::Length(a.translation - b.translation) <= kSamePosition * scale && 1.0 - dot <= kSameRotation;
}

} // namespace vex::orb::addon
