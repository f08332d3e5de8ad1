#pragma once

#include "host/scene/Node.h"
#include "host/scene/Value.h"

#include <optional>
#include <string>

namespace vex::host::builtins {

/// Translation, rotation (radians, in a rotate order) and scale: what a transform's matrix is made of.
struct TransformValues {
    Double3 translate{0.0, 0.0, 0.0};
    Double3 rotate{0.0, 0.0, 0.0};
    Double3 scale{1.0, 1.0, 1.0};
};

/// The parts of a matrix without shear, the rotation read in `rotateOrder` (0 xyz ... 5 zyx, as
/// ComposeTransform takes them), so that composing them again gives the matrix back.
TransformValues Decompose(const Matrix& matrix, int rotateOrder);

/// The matrix of a rotation in a rotate order, without scale or translation.
Matrix RotationMatrix(const Double3& rotate, int rotateOrder);

/// The rotate order's index for its name ("xyz" 0 ... "zyx" 5); none for another word.
std::optional<int> RotateOrderIndex(const std::string& name);
/// The rotate order's name for its index.
std::string RotateOrderName(int index);

/// The world matrix of a DAG node (the identity for the world itself or no node).
Matrix WorldMatrixOf(const NodePtr& node);
/// The world matrix of the node's parent.
Matrix ParentWorldOf(const NodePtr& node);

/// A transform's own translate, rotate (radians) and scale, as stored.
TransformValues LocalValues(const Node& node);
/// A transform's rotate order index.
int RotateOrderOf(const Node& node);
/// Stores translate, rotate and scale on a transform (through the scene, so it is journaled).
void SetLocalValues(const NodePtr& node, const TransformValues& parts);
/// Gives a transform the local matrix `matrix` (taken apart in its rotate order).
void SetLocalMatrix(const NodePtr& node, const Matrix& matrix);

} // namespace vex::host::builtins
