#pragma once

#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "tests/plugins/HostUnderTest.h"

#include <maya/MDagPath.h>
#include <maya/MMatrix.h>

namespace vex::orb::core::test {

/// The embedded Maya host under test: a fresh scene at PAL frames (25 per second) in centimetres,
/// Y up, with the Maya adaptor built and the core started on it. Host state is read and edited
/// through the Maya API: a node's local matrix is composed from its "tx" … "sz" channels (Euler
/// rotation in XYZ order) and converted to core units as the adaptor's units say.
class MayaHostUnderTest : public HostUnderTest {
public:
    MayaHostUnderTest();
    ~MayaHostUnderTest() override;
    MayaHostUnderTest(const MayaHostUnderTest&) = delete;
    MayaHostUnderTest& operator=(const MayaHostUnderTest&) = delete;

    HostKind Kind() const override { return HostKind::kMaya; }
    AdaptorInterface& Adaptor() override;

    void AddMesh(const std::string& name, const util::CMesh& mesh, const std::string& parent) override;
    void Parent(const std::string& child, const std::string& parent) override;
    void Remove(const std::string& name) override;
    bool Exists(const std::string& name) override;
    util::Matrix<double> World(const std::string& name, double t) override;
    util::Matrix<double> Local(const std::string& name, double t) override;
    HostKeys Keys(const std::string& name) override;
    void SetKey(const std::string& name, double t, const util::Matrix<double>& local) override;
    void SetStatic(const std::string& name, const util::Matrix<double>& local) override;
    void RemoveKeysFrom(const std::string& name, double t) override;
    HostShape Shape(const std::string& name) override;
    bool ShapeVisible(const std::string& name) override;
    std::size_t MeshVertexCount(const std::string& name) override;
    std::size_t MeshFaceCount(const std::string& name) override;
    bool IsSystemHelper(const std::string& name) override;
    double FieldOfView(const std::string& name, double t) override;
    double DefaultFieldOfView() override;
    int CountShapes(HostShape shape) override;
    /// A Maya ASCII scene of the same name: one transform per listed node, with a camera shape
    /// where the listing says "camera", each tagged for the model.
    void WriteModelScene(const std::string& modelPath, const util::xml::Element& description) override;
    std::vector<std::string> Selection() override;
    /// The Maya adaptor asks the core whether it records: it hears yes while `recording`, else the
    /// core's answer.
    void SetRecording(bool recording) override;

private:
    // The transform of that name; a test failure and an invalid path when there is none.
    MDagPath Transform(const std::string& name);
    // The shape directly below the transform; an invalid path when it has none.
    MDagPath ShapeOf(const std::string& name);
    // The transform's local matrix in host units at `t`, composed from its channels.
    static MMatrix HostLocal(const MDagPath& transform, double t);
    // The host local matrix of core matrix `local` for `transform`.
    MMatrix ToHost(const MDagPath& transform, const util::Matrix<double>& local);
    util::Matrix<double> FromHost(const MDagPath& transform, const MMatrix& host);
};

} // namespace vex::orb::core::test
