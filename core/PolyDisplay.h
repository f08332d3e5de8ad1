#pragma once

#include <optional>
#include <vector>

namespace vex::orb::core {

class Instance;

/// The display modes of the tools' scene nodes: "low poly" is the helper meshes a tool made itself,
/// "high poly" the models its instance holds besides (a pre-rigged model's geometry, adopted nodes).
/// Showing low poly only keeps the viewport fast while a take records.
namespace poly_display {

/// Shows (true) or hides (false) the helper meshes and the models of `instances`; nullopt leaves that
/// kind as it is. The tools' cameras are left alone.
void Apply(const std::vector<Instance*>& instances, std::optional<bool> helpers, std::optional<bool> models);

} // namespace poly_display

} // namespace vex::orb::core
