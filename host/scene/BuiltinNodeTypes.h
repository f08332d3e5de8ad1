#pragma once

namespace vex::host {

class NodeTypeRegistry;

/// Registers the host's own node types: dependNode, dagNode, world, transform, shape, camera,
/// surfaceShape, mesh, curveShape, nurbsCurve, nurbsSurface, lambert, objectSet, shadingEngine.
void RegisterBuiltinNodeTypes(NodeTypeRegistry& registry);

} // namespace vex::host
