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
CoreImplementation* const kUnbuiltCore = reinterpret_cast<CoreImplementation*>(coreStorage);

/// Writes its name to a log when initialised; may make a further subsystem then.
class LoggingSubSystem : public core::CoreSubSystem {
public:
    LoggingSubSystem(CoreImplementation* core, std::string name, std::vector<std::string>& log)
        : core::CoreSubSystem(core), name_(std::move(name)), log_(log) {}

    void Initialize() override {
        log_.push_back(name_);
        if (makeLate) late = std::make_unique<LoggingSubSystem>(kUnbuiltCore, name_ + " late", log_);
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

    platform::win32::MessageBoxRecorder boxes_;
    std::vector<std::string> log_;
};

TEST_F(CoreSubSystem, OnlySubsystemsWithAnUninitialisedCoreAreRegistered) {
    LoggingSubSystem first(kUnbuiltCore, "first", log_);
    LoggingSubSystem coreless(nullptr, "coreless", log_);
    auto second = std::make_unique<LoggingSubSystem>(kUnbuiltCore, "second", log_);
    LoggingSubSystem third(kUnbuiltCore, "third", log_);
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
    EXPECT_EQ(log_, (std::vector<std::string>{"first", "third"}));
    EXPECT_EQ(core::CoreSubSystem::GetRegisteredCount(), 2u);
    ASSERT_NE(first.late, nullptr);
    EXPECT_EQ(first.late->GetCore(), kUnbuiltCore);
}

TEST_F(CoreSubSystem, GetCoreBeforeInitialisationWarnsAndAnswersNull) {
    LoggingSubSystem coreless(nullptr, "coreless", log_);
    EXPECT_EQ(coreless.GetCore(), nullptr);
    EXPECT_TRUE(boxes_.Boxes().empty()) << "no core given: null without a word";

    LoggingSubSystem subsystem(kUnbuiltCore, "early", log_);
    EXPECT_EQ(subsystem.GetCore(), nullptr);
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].text, "ERROR: Using CORE pointer before being correctly initialized!");
    EXPECT_EQ(boxes_.Boxes()[0].caption, "");
    EXPECT_EQ(boxes_.Boxes()[0].type, platform::win32::MB_OK);

    core::CoreSubSystem::SetCoreInitialized(true);
    EXPECT_EQ(subsystem.GetCore(), kUnbuiltCore);
    EXPECT_EQ(boxes_.Boxes().size(), 1u);
}

} // namespace
} // namespace vex::orb::core::test
