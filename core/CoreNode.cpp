#include "core/CoreNode.h"

#include "core/StepFault.h"

#include <cmath>

namespace vex::orb::core {

namespace {

bool AllNumbers(const util::Matrix<double>& m) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (!std::isfinite(m.m[r][c])) return false;
    return true;
}

// Whether `value` may go to the host; reports the fault of the step when it may not.
bool Checked(bool finite, const CoreNode* node, const char* what) {
    if (!finite)
        StepFault::Report(std::string(what) + " of \"" + (node != nullptr ? node->GetCreationName() : "?") +
                          "\" is not a number");
    return finite;
}

} // namespace

void CoreNode::Snapshot::setMatrix(const util::Matrix<double>& local) {
    if (Checked(AllNumbers(local), node, "the transform")) WriteMatrix(local);
}

void CoreNode::Snapshot::setWorldMatrix(const util::Matrix<double>& world) {
    if (Checked(AllNumbers(world), node, "the world transform")) WriteWorldMatrix(world);
}

void CoreNode::Snapshot_Lens::setFieldOfView(double degrees) {
    if (Checked(std::isfinite(degrees), node, "the field of view")) WriteFieldOfView(degrees);
}

void CoreNode::Snapshot_Lens::setFocusDistance(double distance) {
    if (Checked(std::isfinite(distance), node, "the focus distance")) WriteFocusDistance(distance);
}

} // namespace vex::orb::core
