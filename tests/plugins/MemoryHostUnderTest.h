#pragma once

#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/plugins/HostUnderTest.h"

namespace vex::orb::core::test {

/// The in-memory host under test: its adaptor and scene.
class MemoryHostUnderTest : public HostUnderTest {
public:
    explicit MemoryHostUnderTest(double framesPerSecond) : adaptor_(framesPerSecond) {}

    HostKind Kind() const override { return HostKind::kMemory; }
    AdaptorInterface& Adaptor() override { return adaptor_; }
    adaptor::memory::MemoryAdaptor& Memory() { return adaptor_; }

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
    /// The in-memory host reads the listed nodes from the model file itself: nothing to write.
    void WriteModelScene(const std::string& modelPath, const util::xml::Element& description) override {
        (void)modelPath;
        (void)description;
    }
    double FieldOfView(const std::string& name, double t) override;
    double DefaultFieldOfView() override;
    int CountShapes(HostShape shape) override;
    std::vector<std::string> Selection() override;
    void SetRecording(bool recording) override { adaptor_.SetRecording(recording); }

private:
    // The live object of that name; a test failure and a throw-away object when there is none.
    adaptor::memory::HostObject& Object(const std::string& name);

    adaptor::memory::MemoryAdaptor adaptor_;
    adaptor::memory::HostObject missing_;
};

} // namespace vex::orb::core::test
