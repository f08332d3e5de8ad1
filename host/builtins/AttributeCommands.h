#pragma once

#include "host/builtins/CommandContext.h"
#include "host/scene/AttributeDefinition.h"

namespace vex::host::builtins {

/// "setAttr plug values [-type t] [-l bool] [-k bool] [-s n]": stores a value (numbers in UI units)
/// or one of the list forms of MeshForms.
bool SetAttrCommand(CommandContext& context);
/// "getAttr plug [-type] [-t time]": the value in UI units, or its type name.
bool GetAttrCommand(CommandContext& context);
/// "addAttr [node] -ln name [-sn name] [-at type | -dt type] [-dv v] [-h bool] [-s bool] [-k bool]".
bool AddAttrCommand(CommandContext& context);
/// "deleteAttr node.attr" or "deleteAttr -at attr node": removes a dynamic attribute.
bool DeleteAttrCommand(CommandContext& context);
/// "connectAttr source destination [-f]": -f replaces the destination's input.
bool ConnectAttrCommand(CommandContext& context);
/// "disconnectAttr source destination".
bool DisconnectAttrCommand(CommandContext& context);

/// The type name getAttr -type answers for an attribute ("double", "doubleLinear", "double3", ...).
const char* AttributeTypeName(const AttributeDefinition& attribute);

} // namespace vex::host::builtins
