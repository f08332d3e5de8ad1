#pragma once

#include "interface/CCamera.h"

namespace vex::orb::addon {

/// The tool object of the group tool: it owns no scene nodes and does nothing; its instance only
/// gathers other instances under one entry of the instance tree (the tree's root is one).
class GroupObject : public CCamera {
public:
    /// Copies the plug-in and the instance name.
    explicit GroupObject(const CreateParam& param) : CCamera(param) {}
};

} // namespace vex::orb::addon
