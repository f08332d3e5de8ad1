#include "core/InstanceRecorder.h"

#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/ToolTestSupport.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace vex::orb::core::test {
namespace {

using adaptor::memory::MemoryAdaptor;

// What the tool read at one step.
struct Reading {
    double time;
    double throttle;
    double brake;
    double horn;
    bool operator==(const Reading&) const = default;
};

// A pedal box: two pedals the test binds, and a horn that is never bound (it reads its offset).
class PedalsObject : public CCamera {
public:
    explicit PedalsObject(const CreateParam& param) : CCamera(param) {}

    int buildConfiguration() override {
        throttle = core->addInputChannel("Throttle", unidevice::kFiniteControl, nullptr);
        brake = core->addInputChannel("Brake", unidevice::kFiniteControl, nullptr);
        horn = core->addInputChannel("Horn", unidevice::kFiniteControl, nullptr);
        horn->setOffset(0.3);
        return 0;
    }
    void begin(double t) override {
        (void)t;
        core->extension(Instance::kIsResimulating, &resimulatingAtBegin);
    }
    void step(double t) override {
        seen.push_back({t, throttle->getValue(), brake->getValue(), horn->getValue()});
    }

    unidevice::Property* throttle = nullptr;
    unidevice::Property* brake = nullptr;
    unidevice::Property* horn = nullptr;
    int resimulatingAtBegin = -1;
    std::vector<Reading> seen;
};

class PedalsDescriptor : public FakeDescriptor {
public:
    PedalsDescriptor() : FakeDescriptor("Pedals", "Vehicle") {}
    CCamera* create(const CCamera::CreateParam& param) override { return new PedalsObject(param); }
};

class InstanceRecorderTest : public RegistryTest {
protected:
    static constexpr double kFrame = 1.0 / 25.0;

    void SetUp() override {
        RegistryTest::SetUp();
        Plugin::Register(*new Library("pedals", nullptr), new PedalsDescriptor());
        host_ = std::make_unique<MemoryAdaptor>(25.0);
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
        instance_ = core_->FindInstance(core_->CreateTool("Pedals"));
        ASSERT_NE(instance_, nullptr);
        pedals_ = dynamic_cast<PedalsObject*>(instance_->GetObject());
        ASSERT_NE(pedals_, nullptr);
        pedals_->throttle->SetControl(&gas_);
        pedals_->brake->SetControl(&stop_);
    }
    void TearDown() override {
        // The controls are the test's: the channels let go of them before they go.
        pedals_->throttle->SetControl(nullptr);
        pedals_->brake->SetControl(nullptr);
        host_.reset();
        RegistryTest::TearDown();
    }

    // A live take from frame `from` stepping the frames after it up to `to`, as the record loop does;
    // the pedals move on every frame, by `phase` apart from one take to another. What the tool read.
    std::vector<Reading> LiveTake(int from, int to, double phase) {
        pedals_->seen.clear();
        instance_->BeginRecord(from * kFrame, false);
        for (int f = from + 1; f <= to; ++f) {
            gas_.setValue(0.83 * std::sin(0.7 * f + phase));
            stop_.setValue(-0.61 * std::cos(1.3 * f + phase));
            instance_->Step(f * kFrame);
        }
        instance_->EndRecord();
        return pedals_->seen;
    }
    // A re-simulation over the same frames; what the tool read.
    std::vector<Reading> Resimulation(int from, int to) {
        pedals_->seen.clear();
        instance_->BeginRecord(from * kFrame, true);
        for (int f = from + 1; f <= to; ++f) instance_->Step(f * kFrame);
        instance_->EndRecord();
        return pedals_->seen;
    }
    int Answer(int extension) {
        int answer = -1;
        instance_->extension(extension, &answer);
        return answer;
    }

    std::unique_ptr<MemoryAdaptor> host_;
    CoreImplementation* core_ = nullptr;
    Instance* instance_ = nullptr;
    PedalsObject* pedals_ = nullptr;
    unidevice::Control gas_{nullptr, unidevice::kFiniteControl, 0.0};
    unidevice::Control stop_{nullptr, unidevice::kFiniteControl, 0.0};
};

TEST_F(InstanceRecorderTest, ALiveTakeRecordsEveryChannelAndAReSimulationReplaysItBitForBit) {
    const std::vector<Reading> live = LiveTake(0, 40, 0.0);
    EXPECT_EQ(instance_->GetRecordedValues(0).GetKeyCount(), 40);
    EXPECT_EQ(instance_->GetRecordedValues(1).GetKeyCount(), 40);
    EXPECT_EQ(instance_->GetRecordedValues(2).GetKeyCount(), 0) << "the horn drove nothing";

    // The pedals are elsewhere now; the re-simulation reads the take, not them.
    gas_.setValue(1.0);
    stop_.setValue(1.0);
    const std::vector<Reading> replayed = Resimulation(0, 40);
    ASSERT_EQ(replayed.size(), live.size());
    for (size_t i = 0; i < live.size(); ++i) EXPECT_EQ(replayed[i], live[i]) << "frame " << i + 1;
    EXPECT_EQ(live.back().horn, 0.3);
}

TEST_F(InstanceRecorderTest, ALaterTakeRecordsFromItsStartOnAndKeepsWhatCameBefore) {
    LiveTake(0, 20, 0.0);
    const util::AVar_Linear<double> first = instance_->GetRecordedValues(0);
    const std::vector<Reading> second = LiveTake(10, 20, 2.0);

    const util::AVar_Linear<double>& throttle = instance_->GetRecordedValues(0);
    // Frames 1..9 of the first take, 11..20 of the second; the key at the start time is gone.
    EXPECT_EQ(throttle.GetKeyCount(), 19);
    for (int f = 1; f < 10; ++f) EXPECT_EQ(throttle.get(f * kFrame), first.get(f * kFrame)) << f;
    for (int f = 11; f <= 20; ++f) EXPECT_EQ(throttle.get(f * kFrame), 0.83 * std::sin(0.7 * f + 2.0)) << f;
    EXPECT_EQ(second.size(), 10u);
}

TEST_F(InstanceRecorderTest, AReSimulationBindsTemporaryControlsAndGivesTheLiveOnesBack) {
    const std::vector<Reading> live = LiveTake(0, 5, 0.0);
    // The brake is unbound now, but it drove the take: it is replayed all the same. The horn drove
    // nothing and stays unbound, reading its offset as it did live.
    pedals_->brake->SetControl(nullptr);

    instance_->BeginRecord(0.0, true);
    EXPECT_EQ(pedals_->resimulatingAtBegin, 1) << "the tool knows at its begin";
    EXPECT_EQ(Answer(Instance::kIsRunning), 1);
    for (unidevice::Property* replayed : {pedals_->throttle, pedals_->brake}) {
        ASSERT_NE(replayed->getControl(), nullptr);
        EXPECT_NE(replayed->getControl(), &gas_);
        EXPECT_EQ(replayed->getControl()->getDescription(), "Temporary control");
    }
    EXPECT_EQ(pedals_->horn->getControl(), nullptr);
    pedals_->seen.clear();
    instance_->Step(kFrame);
    instance_->EndRecord();
    ASSERT_EQ(pedals_->seen.size(), 1u);
    EXPECT_EQ(pedals_->seen[0], live[0]);

    EXPECT_EQ(pedals_->throttle->getControl(), &gas_);
    EXPECT_EQ(pedals_->brake->getControl(), nullptr);
    EXPECT_EQ(pedals_->horn->getControl(), nullptr);
    EXPECT_EQ(Answer(Instance::kIsRunning), 0);
    EXPECT_EQ(Answer(Instance::kIsResimulating), 0);
}

TEST_F(InstanceRecorderTest, UndoOfATakeSwapsTheRecordedValuesBackAndRedoAgain) {
    const auto take = [this](double phase) {
        host_->beginUndoGroup("Record");
        LiveTake(0, 10, phase);
        host_->endUndoGroup();
        return instance_->GetRecordedValues(0);
    };
    const util::AVar_Linear<double> first = take(0.0);
    const util::AVar_Linear<double> second = take(1.0);
    ASSERT_NE(first.get(5 * kFrame), second.get(5 * kFrame));

    ASSERT_TRUE(host_->undo());
    EXPECT_EQ(instance_->GetRecordedValues(0).get(5 * kFrame), first.get(5 * kFrame));
    EXPECT_EQ(instance_->GetRecordedValues(0).GetKeyCount(), 10);
    ASSERT_TRUE(host_->undo());
    EXPECT_EQ(instance_->GetRecordedValues(0).GetKeyCount(), 0)
        << "before the first take nothing was recorded";
    ASSERT_TRUE(host_->redo());
    ASSERT_TRUE(host_->redo());
    EXPECT_EQ(instance_->GetRecordedValues(0).get(5 * kFrame), second.get(5 * kFrame));
    EXPECT_EQ(instance_->GetRecordedValues(1).GetKeyCount(), 10);
}

TEST_F(InstanceRecorderTest, ValuesForAnotherNumberOfChannelsAreRefused) {
    LiveTake(0, 4, 0.0);
    std::vector<util::AVar_Linear<double>> other(2);
    other[0].set(0.0, 9.0);

    instance_->SwapRecordedValues(other);
    EXPECT_EQ(instance_->GetRecordedValues(0).GetKeyCount(), 4) << "the instance keeps its take";
    ASSERT_EQ(other.size(), 2u);
    EXPECT_EQ(other[0].GetKeyCount(), 1) << "and the caller its values";

    other.resize(3);
    instance_->SwapRecordedValues(other);
    EXPECT_EQ(instance_->GetRecordedValues(0).get(0.0), 9.0);
    EXPECT_EQ(other[0].GetKeyCount(), 4);
}

using InstanceRecorderDeathTest = InstanceRecorderTest;

// A run relies on the tool object's core, which Instance::Create sets: without it the test build stops
// at the broken invariant rather than calling through a null core.
TEST_F(InstanceRecorderDeathTest, ARunOfAToolObjectWithoutItsCoreStops) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    pedals_->core = nullptr;
    EXPECT_DEATH(instance_->BeginRecord(0.0, false), "invariant broken: a run drives the tool object");
    pedals_->core = instance_;
}

} // namespace
} // namespace vex::orb::core::test
