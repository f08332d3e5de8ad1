#include "host/builtins/TransformMath.h"

#include "host/scene/MatrixMath.h"
#include "host/scene/Scene.h"

#include <array>
#include <cmath>

namespace vex::host::builtins {

namespace {

// The axes of each rotate order, the first applied first.
constexpr int kOrders[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {1, 0, 2}, {2, 1, 0}};
constexpr const char* kOrderNames[6] = {"xyz", "yzx", "zxy", "xzy", "yxz", "zyx"};

double Length(const Matrix& m, int row) {
    return std::sqrt(m[row * 4] * m[row * 4] + m[row * 4 + 1] * m[row * 4 + 1] +
                     m[row * 4 + 2] * m[row * 4 + 2]);
}

Double3 Triple(const Node& node, const char* name) {
    const auto value = Scene::Instance().evaluate(node, *node.FindAttribute(name));
    const auto* triple = std::get_if<Double3>(&value);
    return triple ? *triple : Double3{};
}

} // namespace

TransformValues Decompose(const Matrix& matrix, int rotateOrder) {
    TransformValues parts;
    for (int i = 0; i < 3; ++i) parts.translate[i] = matrix[12 + i];
    // Rows are the scaled axes; a mirrored matrix takes its flip on the last scale.
    Matrix rotation = IdentityMatrix();
    for (int row = 0; row < 3; ++row) {
        parts.scale[row] = Length(matrix, row);
        for (int c = 0; c < 3; ++c)
            rotation[row * 4 + c] = parts.scale[row] > 0.0 ? matrix[row * 4 + c] / parts.scale[row] : 0.0;
    }
    const auto cell = [&](int r, int c) { return rotation[r * 4 + c]; };
    const double determinant = cell(0, 0) * (cell(1, 1) * cell(2, 2) - cell(1, 2) * cell(2, 1)) -
                               cell(0, 1) * (cell(1, 0) * cell(2, 2) - cell(1, 2) * cell(2, 0)) +
                               cell(0, 2) * (cell(1, 0) * cell(2, 1) - cell(1, 1) * cell(2, 0));
    if (determinant < 0.0) {
        parts.scale[2] = -parts.scale[2];
        for (int c = 0; c < 3; ++c) rotation[8 + c] = -rotation[8 + c];
    }
    // The angles of R = Ra Rb Rc (rows act on row vectors); m(r, c) reads the transposed cell, which
    // turns the product into the column form the angles are read from.
    const int* axes = kOrders[rotateOrder >= 0 && rotateOrder < 6 ? rotateOrder : 0];
    const int i = axes[0], j = axes[1], k = axes[2];
    const bool odd = (j - i + 3) % 3 != 1;
    const auto m = [&](int r, int c) { return cell(c, r); };
    const double cy = std::sqrt(m(i, i) * m(i, i) + m(j, i) * m(j, i));
    double a = 0.0, b = std::atan2(-m(k, i), cy), c = 0.0;
    if (cy > 1e-12) {
        a = std::atan2(m(k, j), m(k, k));
        c = std::atan2(m(j, i), m(i, i));
    } else {
        a = std::atan2(-m(j, k), m(j, j));
    }
    if (odd) a = -a, b = -b, c = -c;
    parts.rotate[i] = a;
    parts.rotate[j] = b;
    parts.rotate[k] = c;
    return parts;
}

Matrix RotationMatrix(const Double3& rotate, int rotateOrder) {
    return ComposeTransform({0.0, 0.0, 0.0}, rotate, {1.0, 1.0, 1.0}, rotateOrder);
}

std::optional<int> RotateOrderIndex(const std::string& name) {
    for (int i = 0; i < 6; ++i)
        if (name == kOrderNames[i]) return i;
    return std::nullopt;
}

std::string RotateOrderName(int index) {
    return kOrderNames[index >= 0 && index < 6 ? index : 0];
}

Matrix WorldMatrixOf(const NodePtr& node) {
    Scene& scene = Scene::Instance();
    if (!node || node == scene.World()) return IdentityMatrix();
    return std::get<Matrix>(scene.evaluate(*node, *node->FindAttribute("worldMatrix")));
}

Matrix ParentWorldOf(const NodePtr& node) {
    return WorldMatrixOf(node ? node->parent() : nullptr);
}

TransformValues LocalValues(const Node& node) {
    return {Triple(node, "translate"), Triple(node, "rotate"), Triple(node, "scale")};
}

int RotateOrderOf(const Node& node) {
    return ToInt(Scene::Instance().evaluate(node, *node.FindAttribute("rotateOrder")));
}

void SetLocalValues(const NodePtr& node, const TransformValues& parts) {
    Scene& scene = Scene::Instance();
    scene.setValue(node, node->FindAttribute("translate"), parts.translate);
    scene.setValue(node, node->FindAttribute("rotate"), parts.rotate);
    scene.setValue(node, node->FindAttribute("scale"), parts.scale);
}

void SetLocalMatrix(const NodePtr& node, const Matrix& matrix) {
    SetLocalValues(node, Decompose(matrix, RotateOrderOf(*node)));
}

} // namespace vex::host::builtins
