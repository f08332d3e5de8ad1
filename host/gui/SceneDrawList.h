#pragma once

#include "host/gui/CameraLens.h"
#include "host/scene/MeshData.h"
#include "host/scene/Node.h"
#include "host/scene/Value.h"

#include <QMatrix4x4>
#include <QVector3D>

#include <memory>
#include <optional>
#include <vector>

namespace vex::host::gui {

/// What the viewport draws of the scene at the current time, read in one pass over the DAG: each visible
/// mesh with its world matrix, each camera with its lens, and each transform without a shape as a small
/// cross. The list answers the questions the viewport asks of it (what is under the mouse, where the
/// selection is) without touching the scene again.
class SceneDrawList {
public:
    enum class Kind { kMesh, kCamera, kLocator };

    struct Item {
        Kind kind = Kind::kLocator;
        /// The node a click on the item selects: the shape's transform (the transform itself for a cross).
        NodePtr transform;
        /// The camera or mesh shape (null for a cross).
        NodePtr shape;
        /// Object to world, for column vectors.
        QMatrix4x4 world;
        std::shared_ptr<const MeshData> mesh;
        CameraLens lens;
        /// The node or one above it is selected.
        bool selected = false;
        /// Drawn as wires only: a template or a tool's helper the user does not look at as a surface.
        bool wireframe = false;
    };

    struct Box {
        QVector3D low;
        QVector3D high;
    };

    /// Reads the scene's visible DAG at the current time (hidden nodes and everything below them, and
    /// intermediate objects, are left out).
    void Collect();

    const std::vector<Item>& Items() const { return items_; }
    /// The number of triangles of all meshes (the fans of their polygons).
    std::size_t TriangleCount() const;

    /// The world box around every item, or around the selected ones only; none when there is nothing.
    std::optional<Box> Bounds(bool selectedOnly) const;

    /// The transform of the nearest item the world ray from `origin` along `direction` meets: meshes by
    /// their triangles, cameras and crosses within `pickRadius` of their centre (world units at the
    /// item's distance, per unit of distance). Null when the ray meets nothing.
    NodePtr Pick(const QVector3D& origin, const QVector3D& direction, double pickRadius) const;

    /// A DAG node's world matrix at the current time (the identity when it has none).
    static Matrix WorldMatrix(const Node& node);
    /// The host's row-vector matrix as a column-vector matrix.
    static QMatrix4x4 ToQt(const Matrix& matrix);

private:
    void Visit(const NodePtr& node, bool selectedAbove);

    std::vector<Item> items_;
    std::vector<NodePtr> selection_;
};

} // namespace vex::host::gui
