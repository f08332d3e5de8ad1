#pragma once

#include "core/NodeOwner.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "system/adaptors/memory/MemoryNode.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vex::orb::adaptor::memory::test {

/// A tool instance as far as the host cares: a display name.
class TestOwner : public core::NodeOwner {
public:
    explicit TestOwner(std::string name) : name_(std::move(name)) {}
    std::string getDisplayName() const override { return name_; }

private:
    std::string name_;
};

/// The host alone, without the core its construction would otherwise start: these tests look at the
/// host's own behaviour and must not touch the user's data folder or keyboard.
class HostAdaptor : public MemoryAdaptor {
public:
    explicit HostAdaptor(double framesPerSecond = 24.0, int interfaceVersion = kInterfaceVersion)
        : MemoryAdaptor(framesPerSecond, interfaceVersion, false) {}
};

/// The standard helper box: eight corners at ±half size, twelve outward-facing triangles.
inline util::CMesh MakeBox(double x, double y, double z) {
    util::CMesh box;
    for (int i = 0; i < 8; ++i) {
        box.vertices.push_back(
            {(i & 1 ? 0.5 : -0.5) * x, (i & 2 ? 0.5 : -0.5) * y, (i & 4 ? 0.5 : -0.5) * z});
    }
    box.faces = {0, 2, 3, 3, 1, 0, 4, 5, 7, 7, 6, 4, 0, 1, 5, 5, 4, 0,
                 1, 3, 7, 7, 5, 1, 3, 2, 6, 6, 7, 3, 2, 0, 4, 4, 6, 2};
    return box;
}

inline util::Matrix<double> Translation(double x, double y, double z) {
    util::Matrix<double> m;
    m.m[3][0] = x;
    m.m[3][1] = y;
    m.m[3][2] = z;
    return m;
}

/// A rotation of `degrees` about Y.
inline util::Matrix<double> RotationY(double degrees) {
    return util::EulerXYZToMatrix(util::Vector3<double>{0.0, degrees * 3.14159265358979323846 / 180.0, 0.0});
}

inline void ExpectMatrixNear(const util::Matrix<double>& actual, const util::Matrix<double>& expected,
                             double tolerance = 1e-9) {
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(actual.m[i][j], expected.m[i][j], tolerance) << i << "," << j;
    }
}

inline void ExpectVectorNear(const util::Vector3<double>& actual, const util::Vector3<double>& expected,
                             double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

inline MemoryNode* AsMemory(CNode* node) {
    return dynamic_cast<MemoryNode*>(node);
}

inline std::string NameOf(core::CoreNode* node) {
    std::string name;
    util::ReturnValue<std::string> out(&name);
    node->getName(out);
    return name;
}

inline std::vector<core::CoreNode*> AllNodes(MemoryAdaptor& adaptor) {
    std::vector<core::CoreNode*> nodes;
    core::NodeList out(&nodes);
    adaptor.getAllNodes(out);
    return nodes;
}

inline std::vector<core::CoreNode*> NodesOf(MemoryAdaptor& adaptor, core::NodeOwner* owner) {
    std::vector<core::CoreNode*> nodes;
    core::NodeList out(&nodes);
    adaptor.getNodesOf(owner, out);
    return nodes;
}

/// Gives a snapshot back to its node's pool, as the core does after use.
template <class S>
void Release(S* snapshot) {
    dynamic_cast<core::CoreNode::SnapshotState*>(snapshot)->inUse = false;
}

inline util::Matrix<double> LocalAt(core::CoreNode* node, double t) {
    util::Matrix<double> m;
    CSnapshot* s = node->getSnapshot(t);
    s->getMatrix(m);
    Release(s);
    return m;
}

inline util::Matrix<double> WorldAt(core::CoreNode* node, double t) {
    util::Matrix<double> m;
    CSnapshot* s = node->getSnapshot(t);
    s->getWorldMatrix(m);
    Release(s);
    return m;
}

inline void SetLocalAt(core::CoreNode* node, double t, const util::Matrix<double>& m) {
    CSnapshot* s = node->getSnapshot(t);
    s->setMatrix(m);
    Release(s);
}

} // namespace vex::orb::adaptor::memory::test
