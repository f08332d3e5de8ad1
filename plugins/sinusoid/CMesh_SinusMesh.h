#pragma once

#include "interface/CMesh.h"

namespace vex::util {

/// The helper of the sinus node: one period of a sine wave as a flat ribbon in the node's x-y plane,
/// two units long (x from -1 to 1), half a unit high at its crests and a tenth of a unit wide, so the
/// node reads as "the wave" in the viewport.
class CMeshSinusMesh : public CMesh {
public:
    /// Segments along the wave.
    static constexpr int kSegments = 16;

    CMeshSinusMesh();
};

} // namespace vex::util
