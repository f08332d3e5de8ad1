#pragma once

#include "host/builtins/CommandContext.h"
#include "host/scene/CommandSyntax.h"

namespace vex::host::builtins {

/// setKeyframe [-t time]... [-v value] [-at attribute]... [-itt type] [-ott type] [targets]: sets a
/// key on each attribute named (a plug, an object's -at attributes, or an object's keyable
/// attributes; the selection when no target is given) at the times given or the current time, with
/// the value given or the attribute's own. An attribute without a curve gets one. Answers the number
/// of keys set.
bool SetKeyframeCommand(CommandContext& context);
/// keyframe -q [-kc | -tc | -vc] [-t range]... [-at attribute]... [-sl] [targets]: the count, times
/// (frames) or values of the keys in the range; keyframe -e [-tc t] [-vc v] [-r | -a] [-o over]: moves
/// those keys to a time or by an offset, and sets or shifts their values; answers the number of
/// curves changed. The host keeps no key selection: -sl finds no keys.
bool KeyframeCommand(CommandContext& context);
/// cutKey [-t range]... [-at attribute]... [-cl] [targets]: removes the keys in the range (every key
/// without one). The host keeps no key clipboard, so with or without -cl the keys are gone. Answers
/// the number of curves cut.
bool CutKeyCommand(CommandContext& context);
/// keyTangent [-t range]... [-at attribute]... [-itt type] [-ott type] [-ia angle] [-oa angle]
/// [-iw weight] [-ow weight] [-l lock] [-wl lock] [targets]: sets the tangents of the keys in the
/// range (angles in degrees); with -q answers the in/out types (names), angles or weights of those
/// keys, one after another.
bool KeyTangentCommand(CommandContext& context);

/// The flags and arguments of each command, for the command registry.
CommandSyntax SetKeyframeSyntax();
CommandSyntax KeyframeSyntax();
CommandSyntax CutKeySyntax();
CommandSyntax KeyTangentSyntax();

} // namespace vex::host::builtins
