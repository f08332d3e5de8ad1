#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "plugins/ruzovuzediziviz/CRuzovuZediziVizObject.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/ToolTestSupport.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <memory>

namespace vex::orb::core::test {
namespace {

using adaptor::memory::HostObject;
using adaptor::memory::MemoryAdaptor;
using util::Matrix;

// The compiled-in RuzovuZediziViz created through the core on the in-memory host.
class RuzovuZediziVizEndToEnd : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        host = std::make_unique<MemoryAdaptor>(25.0);
        core = FindCore();
        ASSERT_NE(core, nullptr);
    }
    void TearDown() override {
        host.reset();
        RegistryTest::TearDown();
    }
    HostObject& Camera(const std::string& name) {
        auto& scene = host->GetScene();
        const auto id = scene.FindByName("RuzovuZediziViz_01_" + name + "Transform");
        EXPECT_TRUE(scene.IsAlive(id)) << name;
        return *scene.Find(id);
    }
    Matrix<double> World(const std::string& name, double t) {
        auto& scene = host->GetScene();
        return scene.GetWorldMatrix(scene.FindByName("RuzovuZediziViz_01_" + name + "Transform"), t);
    }

    std::unique_ptr<MemoryAdaptor> host;
    CoreImplementation* core = nullptr;
};

TEST_F(RuzovuZediziVizEndToEnd, FollowCamChasesTheAnimatedAttachedCam) {
    Instance* instance = core->FindInstance(core->CreateTool("RuzovuZediziViz"));
    ASSERT_NE(instance, nullptr);
    ASSERT_NE(dynamic_cast<addon::CRuzovuZediziVizObject*>(instance->GetObject()), nullptr);
    EXPECT_EQ(World("FollowCam", 0.0), Matrix<double>());
    EXPECT_NE(instance->findInputChannel("Spinner: Translation Response Factor"), nullptr);

    // The user animates the AttachedCam from the origin to x = 10 over the first second.
    HostObject& attached = Camera("AttachedCam");
    attached.transform.SetKey(0.0, Matrix<double>());
    attached.transform.SetKey(1.0, util::ToMatrix(util::QTransform<double>{{10, 0, 0}, {}}));

    const double h = 1.0 / 25.0;
    instance->BeginRecord(0.0, false);
    double previous = 0.0;
    for (int f = 1; f <= 75; ++f) {
        instance->Step(f * h);
        const double x = World("FollowCam", f * h).m[3][0];
        const double target = World("AttachedCam", f * h).m[3][0];
        if (f == 12) { // half-way through the move
            EXPECT_GT(x, 0.0);
            EXPECT_LT(x, target) << "the FollowCam lags while the AttachedCam moves";
        }
        if (f >= 2 && f <= 20) {
            EXPECT_GT(x, previous) << "frame " << f;
        }
        previous = x;
    }
    instance->EndRecord();
    EXPECT_NEAR(World("FollowCam", 3.0).m[3][0], 10.0, 0.1);
}

} // namespace
} // namespace vex::orb::core::test
