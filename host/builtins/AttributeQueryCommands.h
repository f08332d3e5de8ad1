#pragma once

#include "host/builtins/CommandContext.h"

namespace vex::host::builtins {

/// "listAttr [-k] [-ud] [-r] [-w] [-c] [-m] [-cb] [-st pattern]... [objects]": the long names of the
/// attributes of the objects named or selected (compound children after their parent) that pass
/// every filter given. No attribute here is a multi or kept in the channel box only, so -m and -cb
/// list none.
bool ListAttrCommand(CommandContext& context);
/// "attributeQuery -n node [-ex | -at | -k | -min | -max | -mne | -mxe | -re | -le | -nc | -lp | -ln |
/// -sn | -ld] attribute": one fact about a node's attribute; only -ex answers for a missing one.
bool AttributeQueryCommand(CommandContext& context);
/// "listConnections [-s bool] [-d bool] [-p] [-c] [-t type] [-scn] [node | node.attr]...": the nodes
/// (or plugs with -p) connected to the objects or plugs given, sources and destinations unless one
/// side is turned off; -c puts each own plug before what it connects to.
bool ListConnectionsCommand(CommandContext& context);

} // namespace vex::host::builtins
