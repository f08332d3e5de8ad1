#pragma once

#include "interface/CCamera.h"

namespace vex::orb::addon {

/// The tool object of the empty tool: it owns nothing and does nothing in any lifecycle operation.
class EmptyObject : public CCamera {
public:
    /// Copies the plug-in and the instance name.
    explicit EmptyObject(const CreateParam& param) : CCamera(param) {}
};

} // namespace vex::orb::addon
