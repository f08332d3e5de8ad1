#pragma once

#include "interface/CCamera.h"

namespace vex::orb::addon {

/// The tool object of a compiled-in tool whose simulation is not built yet: it keeps the plug-in and
/// name it was created with, owns no scene nodes and does nothing in any lifecycle operation, so an
/// instance of the type can be created, saved and loaded without effect on the scene.
class CPlaceholderObject : public CCamera {
public:
    /// Copies the plug-in and the instance name.
    explicit CPlaceholderObject(const CreateParam& param) : CCamera(param) {}
};

} // namespace vex::orb::addon
