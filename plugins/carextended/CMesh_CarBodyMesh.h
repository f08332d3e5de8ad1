#pragma once

#include "interface/CMesh.h"

namespace vex::util {

/// A saloon one car unit long along z (its front towards −z), standing on y = 0: a lower body with a bonnet
/// and boot, and a cabin set back from the front.
class CMesh_CarBodyMesh : public CMesh {
public:
    /// Fills the arrays.
    CMesh_CarBodyMesh();
};

} // namespace vex::util
