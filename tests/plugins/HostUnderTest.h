#pragma once

#include "core/AdaptorInterface.h"
#include "interface/CMesh.h"
#include "util/Matrix.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace vex::orb::core::test {

/// The hosts the tool suites run on.
enum class HostKind { kMemory, kMaya };

/// "Memory" or "Maya": the suffix of a parametrised test's name.
std::string HostKindName(const testing::TestParamInfo<HostKind>& info);
/// Prints the host kind by name in test output.
void PrintTo(HostKind kind, std::ostream* out);

/// Every host kind this test program is built with.
std::vector<HostKind> BuiltHostKinds();

/// One key of a transform: its time in seconds and the local matrix there, in core units.
struct HostKey {
    double time;
    util::Matrix<double> value;
};
using HostKeys = std::vector<HostKey>;

/// What a transform's shape is.
enum class HostShape { kNone, kCamera, kMesh, kOther };

/// A host with the system's adaptor running on it, as a test sees it: it owns the adaptor and
/// answers and edits host state in core terms (metres, Y up, seconds, row-vector matrices). Nodes
/// are named by their host transform's name, "<instance>_<node>Transform".
class HostUnderTest {
public:
    virtual ~HostUnderTest() = default;

    virtual HostKind Kind() const = 0;
    /// The adaptor the core runs on.
    virtual AdaptorInterface& Adaptor() = 0;

    /// Whether a live transform of that name exists.
    virtual bool Exists(const std::string& name) = 0;
    /// Adds a user's polygon mesh: a transform `name` at the identity under the transform `parent` (empty:
    /// the world) whose shape is `mesh`, its vertices in core units in the transform's own axes.
    virtual void AddMesh(const std::string& name, const util::CMesh& mesh,
                         const std::string& parent = {}) = 0;
    /// Makes the transform `child` a child of the transform `parent`, keeping its local matrix (in core
    /// terms), as the user parents a node in the host's outliner.
    virtual void Parent(const std::string& child, const std::string& parent) = 0;
    /// Deletes the transform `name` and what is below it, as the user deletes a node.
    virtual void Remove(const std::string& name) = 0;
    /// The transform's world and local matrix at `t`.
    virtual util::Matrix<double> World(const std::string& name, double t) = 0;
    virtual util::Matrix<double> Local(const std::string& name, double t) = 0;
    /// The transform's keys in time order.
    virtual HostKeys Keys(const std::string& name) = 0;
    bool HasKeys(const std::string& name) { return !Keys(name).empty(); }
    /// Keys the transform's local matrix at `t`, as the user would.
    virtual void SetKey(const std::string& name, double t, const util::Matrix<double>& local) = 0;
    /// Sets the local matrix of a transform without keys.
    virtual void SetStatic(const std::string& name, const util::Matrix<double>& local) = 0;
    /// Removes the transform's keys at `t` and after.
    virtual void RemoveKeysFrom(const std::string& name, double t) = 0;

    /// The shape under the transform, its visibility and, for a mesh, its vertex and face count.
    virtual HostShape Shape(const std::string& name) = 0;
    virtual bool ShapeVisible(const std::string& name) = 0;
    virtual std::size_t MeshVertexCount(const std::string& name) = 0;
    virtual std::size_t MeshFaceCount(const std::string& name) = 0;
    /// Whether the shape is a polygon helper the system made (with its own material).
    virtual bool IsSystemHelper(const std::string& name) = 0;
    /// The horizontal field of view, in degrees, of a camera at `t`.
    virtual double FieldOfView(const std::string& name, double t) = 0;
    /// The host's field of view of a new camera, in degrees.
    virtual double DefaultFieldOfView() = 0;
    /// The number of live transforms with a shape of kind `shape`.
    virtual int CountShapes(HostShape shape) = 0;

    /// Writes beside the model file `modelPath` what this host merges to bring the nodes that the
    /// model's `description` lists, as a rig saved from the host would leave it.
    virtual void WriteModelScene(const std::string& modelPath, const util::xml::Element& description) = 0;

    /// The selected transforms' names, in selection order.
    virtual std::vector<std::string> Selection() = 0;
    bool Undo() { return Adaptor().undo(); }
    bool Redo() { return Adaptor().redo(); }
    void SetCurrentTime(double t) { Adaptor().setCurrentTime(t); }
    void SetPlaybackRange(double from, double to) { Adaptor().setPlaybackRange({from, to}); }

    /// Makes the host record (it keys what the tools write only then) while a test drives tools
    /// without the core's loop, as it does during a run of the core; false leaves it to the core.
    virtual void SetRecording(bool recording) = 0;
};

/// A fresh host of kind `kind` at 25 frames per second with the adaptor built and the core started
/// on it.
std::unique_ptr<HostUnderTest> MakeHostUnderTest(HostKind kind);

} // namespace vex::orb::core::test
