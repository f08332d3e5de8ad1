#include "host/gui/SceneDrawList.h"

#include "host/scene/Scene.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vex::host::gui {

namespace {

bool flag(const Node& node, const char* name, bool fallback) {
    const AttributePtr attribute = node.FindAttribute(name);
    return attribute ? ToBool(Scene::Instance().evaluate(node, *attribute)) : fallback;
}

QVector3D ToVector(const MPoint& point) {
    return {static_cast<float>(point.x), static_cast<float>(point.y), static_cast<float>(point.z)};
}

} // namespace

Matrix SceneDrawList::WorldMatrix(const Node& node) {
    const AttributePtr attribute = node.FindAttribute("worldMatrix");
    if (!attribute) return IdentityMatrix();
    const Value value = Scene::Instance().evaluate(node, *attribute);
    const Matrix* matrix = std::get_if<Matrix>(&value);
    return matrix != nullptr ? *matrix : IdentityMatrix();
}

QMatrix4x4 SceneDrawList::ToQt(const Matrix& matrix) {
    // The row-vector matrix, read row by row, is the column-vector matrix read column by column.
    QMatrix4x4 result;
    float* data = result.data();
    for (int i = 0; i < 16; ++i) data[i] = static_cast<float>(matrix[static_cast<std::size_t>(i)]);
    return result;
}

void SceneDrawList::Collect() {
    items_.clear();
    selection_ = Scene::Instance().Selection();
    for (const NodePtr& child : Scene::Instance().World()->Children()) Visit(child, false);
}

void SceneDrawList::Visit(const NodePtr& node, bool selectedAbove) {
    if (!node->IsAlive() || !flag(*node, "visibility", true) || flag(*node, "intermediateObject", false))
        return;
    const bool selected =
        selectedAbove || std::find(selection_.begin(), selection_.end(), node) != selection_.end();
    const bool isTransform = node->HasFn(MFn::kTransform);
    if (!isTransform) {
        Item item;
        item.transform = node->parent();
        item.shape = node;
        item.world = ToQt(WorldMatrix(*node));
        item.selected = selected;
        item.wireframe = flag(*node, "template", false);
        if (node->HasFn(MFn::kCamera)) {
            item.kind = Kind::kCamera;
            item.lens = CameraLens::Read(*node);
            items_.push_back(std::move(item));
        } else if (node->HasFn(MFn::kMesh) && !node->type().GeometryAttribute().empty()) {
            const AttributePtr geometry = node->FindAttribute(node->type().GeometryAttribute());
            const Value value = geometry ? Scene::Instance().evaluate(*node, *geometry) : Value{};
            const DataPtr* data = std::get_if<DataPtr>(&value);
            auto mesh = data != nullptr ? std::dynamic_pointer_cast<const MeshData>(*data) : nullptr;
            if (mesh && mesh->numPolygons() > 0) {
                item.kind = Kind::kMesh;
                item.mesh = std::move(mesh);
                items_.push_back(std::move(item));
            }
        }
        return;
    }
    bool hasShape = false;
    for (const NodePtr& child : node->Children()) hasShape = hasShape || !child->HasFn(MFn::kTransform);
    if (!hasShape) {
        Item item;
        item.transform = node;
        item.world = ToQt(WorldMatrix(*node));
        item.selected = selected;
        items_.push_back(std::move(item));
    }
    for (const NodePtr& child : node->Children()) Visit(child, selected);
}

std::size_t SceneDrawList::TriangleCount() const {
    std::size_t count = 0;
    for (const Item& item : items_)
        if (item.mesh)
            count += static_cast<std::size_t>(item.mesh->NumFaceVertices() - 2 * item.mesh->numPolygons());
    return count;
}

std::optional<SceneDrawList::Box> SceneDrawList::Bounds(bool selectedOnly) const {
    std::optional<Box> box;
    auto add = [&box](const QVector3D& point) {
        if (!box) {
            box = Box{point, point};
            return;
        }
        box->low = QVector3D(std::min(box->low.x(), point.x()), std::min(box->low.y(), point.y()),
                             std::min(box->low.z(), point.z()));
        box->high = QVector3D(std::max(box->high.x(), point.x()), std::max(box->high.y(), point.y()),
                              std::max(box->high.z(), point.z()));
    };
    for (const Item& item : items_) {
        if (selectedOnly && !item.selected) continue;
        if (!item.mesh) {
            add(item.world.map(QVector3D()));
            continue;
        }
        for (const MPoint& point : item.mesh->Points()) add(item.world.map(ToVector(point)));
    }
    return box;
}

NodePtr SceneDrawList::Pick(const QVector3D& origin, const QVector3D& direction, double pickRadius) const {
    double nearest = std::numeric_limits<double>::infinity();
    NodePtr found;
    const QVector3D unit = direction.normalized();
    for (const Item& item : items_) {
        if (!item.transform || unit.isNull()) continue;
        if (item.mesh) {
            // The ray in the mesh's own space: its parameter stays the world distance along `unit`.
            bool invertible = false;
            const QMatrix4x4 toLocal = item.world.inverted(&invertible);
            if (!invertible) continue;
            const QVector3D source = toLocal.map(origin);
            const QVector3D along = toLocal.map(origin + unit) - source;
            const auto hit = item.mesh->closestIntersection(MPoint(source.x(), source.y(), source.z()),
                                                            MVector(along.x(), along.y(), along.z()), 1e12);
            if (hit && hit->param < nearest) {
                nearest = hit->param;
                found = item.transform;
            }
            continue;
        }
        const QVector3D centre = item.world.map(QVector3D());
        const double along = QVector3D::dotProduct(centre - origin, unit);
        if (along <= 0.0) continue;
        const double off = (origin + unit * static_cast<float>(along) - centre).length();
        if (off <= pickRadius * along && along < nearest) {
            nearest = along;
            found = item.transform;
        }
    }
    return found;
}

} // namespace vex::host::gui
