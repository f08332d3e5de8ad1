#pragma once

#include "host/scene/NodeType.h"

namespace vex::host {

/// World, parent and inverse matrices of every DAG node, from the local matrices up its ancestors.
bool ComputeDagMatrices(const Scene& scene, const Node& node, const AttributeDefinition& attribute,
                        double time, Value& out);

/// A transform's local matrix and its inverse from translate, rotate, scale and rotate order.
bool ComputeTransformMatrices(const Scene& scene, const Node& node, const AttributeDefinition& attribute,
                              double time, Value& out);

/// A Lambert material's outColor: its colour scaled by its diffuse factor.
bool ComputeLambertOutColor(const Scene& scene, const Node& node, const AttributeDefinition& attribute,
                            double time, Value& out);

} // namespace vex::host
