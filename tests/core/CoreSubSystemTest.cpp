#include "core/CoreSubSystem.h"

#include "tests/core/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

// A core that is never constructed: subsystems only keep and compare the pointer, the way the core's
// own bases receive it while the core is still being built.
alignas(CoreImplementation) unsigned char coreStorage[sizeof(CoreImplementation)];
CoreImplementation* const unbuiltCore = reinterpret_cast<CoreImplementation*>(coreStorage);

/// Writes its name to a log when initialised; may make a further subsystem then.
class LoggingSubSystem : public core::CoreSubSystem {
public:
    LoggingSubSystem(CoreImplementation* core, std::string name, std::vector<std::string>& log)
        : core::CoreSubSystem(core), name_(std::move(name)), log_(log) {}

    void Initialize() override {
        log_.push_back(name_);
        if (makeLate) late = std::make_unique<LoggingSubSystem>(unbuiltCore, name_ + " late", log_);
    }

    bool makeLate = false;
    std::unique_ptr<LoggingSubSystem> late;

private:
    std::string name_;
    std::vector<std::string>& log_;
};

class CoreSubSystem : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreState(); }
    void TearDown() override { ResetCoreState(); }

    platform::win32::MessageBoxRecorder boxes;
    std::vector<std::string> log;
};

TEST_F(CoreSubSystem, OnlySubsystemsWithAnUninitialisedCoreAreRegistered) {
    LoggingSubSystem first(unbuiltCore, "first", log);
    LoggingSubSystem coreless(nullptr, "coreless", log);
    auto second = std::make_unique<LoggingSubSystem>(unbuiltCore, "second", log);
    LoggingSubSystem third(unbuiltCore, "third", log);
    ASSERT_EQ(core::CoreSubSystem::GetRegisteredCount(), 3u);
    EXPECT_EQ(core::CoreSubSystem::GetRegistered(0), &first);
    EXPECT_EQ(core::CoreSubSystem::GetRegistered(1), second.get());
    EXPECT_EQ(core::CoreSubSystem::GetRegistered(3), nullptr);

    second.reset(); // a destroyed subsystem leaves the list
    EXPECT_EQ(core::CoreSubSystem::GetRegisteredCount(), 2u);
    EXPECT_EQ(core::CoreSubSystem::GetRegistered(1), &third);

    first.makeLate = true;
    core::CoreSubSystem::InitializeAll();
    // The subsystem "first" made while being initialised came after the core was marked initialised:
    // it is neither registered nor initialised.
    EXPECT_EQ(log, (std::vector<std::string>{"first", "third"}));
    EXPECT_EQ(core::CoreSubSystem::GetRegisteredCount(), 2u);
    ASSERT_NE(first.late, nullptr);
    EXPECT_EQ(first.late->GetCore(), unbuiltCore);
}

TEST_F(CoreSubSystem, GetCoreBeforeInitialisationWarnsAndAnswersNull) {
    LoggingSubSystem coreless(nullptr, "coreless", log);
    EXPECT_EQ(coreless.GetCore(), nullptr);
    EXPECT_TRUE(boxes.Boxes().empty()) << "no core given: null without a word";

    LoggingSubSystem subsystem(unbuiltCore, "early", log);
    EXPECT_EQ(subsystem.GetCore(), nullptr);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "ERROR: Using CORE pointer before being correctly initialized!");
    EXPECT_EQ(boxes.Boxes()[0].caption, "");
    EXPECT_EQ(boxes.Boxes()[0].type, platform::win32::MB_OK);

    core::CoreSubSystem::SetCoreInitialized(true);
    EXPECT_EQ(subsystem.GetCore(), unbuiltCore);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

} // namespace
} // namespace vex::orb::core::test
