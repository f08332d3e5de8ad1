#pragma once

#include "util/Matrix.h"

namespace vex::orb {
class CInterface;
class CNode;
} // namespace vex::orb

namespace vex::orb::addon {

/// Reads `node`'s world matrix at time `t` through a transform snapshot of `core`; false (and
/// `world` untouched) when there is no core, node or snapshot.
bool ReadWorldMatrix(CInterface* core, CNode* node, double t, util::Matrix<double>& world);

/// Makes `world` the world matrix of `node` at time `t` through a transform snapshot of `core`;
/// false when there is no core, node or snapshot.
bool WriteWorldMatrix(CInterface* core, CNode* node, double t, const util::Matrix<double>& world);

} // namespace vex::orb::addon
