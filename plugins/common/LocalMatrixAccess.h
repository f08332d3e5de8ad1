#pragma once

#include "util/Matrix.h"

namespace vex::orb {
class CInterface;
class CNode;
} // namespace vex::orb

namespace vex::orb::addon {

/// Reads `node`'s local matrix (relative to its parent) at time `t` through a transform snapshot of
/// `core`; false (and `local` untouched) when there is no core, node or snapshot.
bool ReadLocalMatrix(CInterface* core, CNode* node, double t, util::Matrix<double>& local);

/// Writes `local` as `node`'s local matrix at time `t` through a transform snapshot of `core`; false
/// when there is no core, node or snapshot.
bool WriteLocalMatrix(CInterface* core, CNode* node, double t, const util::Matrix<double>& local);

} // namespace vex::orb::addon
