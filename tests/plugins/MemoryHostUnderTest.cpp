#include "tests/plugins/MemoryHostUnderTest.h"

#include <utility>

namespace vex::orb::core::test {

using adaptor::memory::HostObject;
using adaptor::memory::ObjectId;
using adaptor::memory::ShapeKind;

namespace {

HostShape ShapeOf(ShapeKind kind) {
    switch (kind) {
    case ShapeKind::kNone:
        return HostShape::kNone;
    case ShapeKind::kCamera:
        return HostShape::kCamera;
    case ShapeKind::kPolygonMesh:
        return HostShape::kMesh;
    case ShapeKind::kNurbsCurve:
    case ShapeKind::kNurbsSurface:
        return HostShape::kOther;
    }
    return HostShape::kOther;
}

} // namespace

HostObject& MemoryHostUnderTest::Object(const std::string& name) {
    adaptor::memory::MemoryScene& scene = adaptor_.GetScene();
    if (HostObject* object = scene.Find(scene.FindByName(name)); object != nullptr && !object->deleted)
        return *object;
    ADD_FAILURE() << "the memory host has no transform " << name;
    missing_ = HostObject();
    return missing_;
}

void MemoryHostUnderTest::AddMesh(const std::string& name, const util::CMesh& mesh,
                                  const std::string& parent) {
    adaptor::memory::MemoryScene& scene = adaptor_.GetScene();
    const adaptor::memory::ObjectId parentId =
        parent.empty() ? adaptor::memory::kWorld : scene.FindByName(parent);
    HostObject* object = scene.Find(scene.Create(name, adaptor::memory::ShapeKind::kPolygonMesh, parentId));
    ASSERT_NE(object, nullptr) << name;
    object->mesh = mesh;
}

void MemoryHostUnderTest::Parent(const std::string& child, const std::string& parent) {
    adaptor::memory::MemoryScene& scene = adaptor_.GetScene();
    EXPECT_TRUE(scene.Reparent(scene.FindByName(child), scene.FindByName(parent)))
        << child << " under " << parent;
}

void MemoryHostUnderTest::Remove(const std::string& name) {
    adaptor::memory::MemoryScene& scene = adaptor_.GetScene();
    scene.SetDeleted(scene.FindByName(name), true);
}

bool MemoryHostUnderTest::Exists(const std::string& name) {
    const adaptor::memory::MemoryScene& scene = adaptor_.GetScene();
    const ObjectId id = scene.FindByName(name);
    return id != ObjectId{} && scene.IsAlive(id);
}

util::Matrix<double> MemoryHostUnderTest::World(const std::string& name, double t) {
    const adaptor::memory::MemoryScene& scene = adaptor_.GetScene();
    return scene.GetWorldMatrix(scene.FindByName(name), t);
}

util::Matrix<double> MemoryHostUnderTest::Local(const std::string& name, double t) {
    const adaptor::memory::MemoryScene& scene = adaptor_.GetScene();
    return scene.GetLocalMatrix(scene.FindByName(name), t);
}

HostKeys MemoryHostUnderTest::Keys(const std::string& name) {
    HostKeys keys;
    for (const auto& key : Object(name).transform.GetKeys()) keys.push_back({key.time, key.value});
    return keys;
}

void MemoryHostUnderTest::SetKey(const std::string& name, double t, const util::Matrix<double>& local) {
    Object(name).transform.SetKey(t, local);
}

void MemoryHostUnderTest::SetStatic(const std::string& name, const util::Matrix<double>& local) {
    Object(name).transform.SetStatic(local);
}

void MemoryHostUnderTest::RemoveKeysFrom(const std::string& name, double t) {
    Object(name).transform.RemoveKeysFrom(t);
}

HostShape MemoryHostUnderTest::Shape(const std::string& name) {
    return ShapeOf(Object(name).shape);
}

bool MemoryHostUnderTest::ShapeVisible(const std::string& name) {
    return Object(name).shapeVisible;
}

std::size_t MemoryHostUnderTest::MeshVertexCount(const std::string& name) {
    return Object(name).mesh.vertices.size();
}

std::size_t MemoryHostUnderTest::MeshFaceCount(const std::string& name) {
    return Object(name).mesh.faces.size();
}

bool MemoryHostUnderTest::IsSystemHelper(const std::string& name) {
    return Object(name).systemHelper;
}

double MemoryHostUnderTest::FieldOfView(const std::string& name, double t) {
    return Object(name).fieldOfView.Evaluate(t);
}

double MemoryHostUnderTest::DefaultFieldOfView() {
    return HostObject::kDefaultFieldOfView;
}

int MemoryHostUnderTest::CountShapes(HostShape shape) {
    const adaptor::memory::MemoryScene& scene = adaptor_.GetScene();
    int count = 0;
    for (ObjectId id : scene.GetObjects())
        count += scene.IsAlive(id) && ShapeOf(scene.Find(id)->shape) == shape;
    return count;
}

std::vector<std::string> MemoryHostUnderTest::Selection() {
    std::vector<std::string> names;
    for (ObjectId id : adaptor_.GetScene().GetSelection())
        names.push_back(adaptor_.GetScene().Find(id)->name);
    return names;
}

} // namespace vex::orb::core::test
