#include "interface/CNode.h"
#include "interface/CSnapshot.h"
#include "plugins/ruzovuzediziviz/CRuzovuZediziVizObject.h"
#include "tests/interface/StubCoreInterface.h"
#include "util/DataChunk.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace vex::orb::addon {
namespace {

using util::Matrix;
using V = util::Vector3<double>;

// A host node whose world matrix is keyed by time; without a key at t it answers the last matrix
// written at or before t (the identity before that).
class FakeNode : public CNode {
public:
    explicit FakeNode(std::string name) : CNode(std::move(name)) {}
    void show() override {}
    void hide() override {}
    bool isVisible() override { return true; }
    bool select() override { return true; }
    bool isDetached() override { return false; }
    CNode* getParent() override { return nullptr; }
    int getChildCount() override { return 0; }
    CNode* getChild(int) override { return nullptr; }
    void releaseNode(CNode*) override {}

    Matrix<double> At(double t) const {
        auto it = keys.upper_bound(t + 1e-9);
        return it == keys.begin() ? Matrix<double>() : std::prev(it)->second;
    }
    std::map<double, Matrix<double>> keys;
};

class FakeSnapshot : public CSnapshot {
public:
    FakeSnapshot(FakeNode& node, double t) : node_(node), time_(t) {}
    void setMatrix(const Matrix<double>& local) override { node_.keys[time_] = local; }
    void getMatrix(Matrix<double>& local) override { local = node_.At(time_); }
    void getWorldMatrix(Matrix<double>& world) override { world = node_.At(time_); }
    void setWorldMatrix(const Matrix<double>& world) override { node_.keys[time_] = world; }
    double getTime() override { return time_; }

private:
    FakeNode& node_;
    double time_;
};

// One page item as the tool declared it.
struct Item {
    std::string kind, name, help;
    bool channel = false;
    CInterface::Callback* callback = nullptr;
};

// A core at 25 frames per second that keeps the tool's nodes, page, tool data and undo records.
class FakeCore : public test::StubCoreInterface {
public:
    void addUndo(CUndo* undo) override {
        ++undoCount;
        undo->release();
    }
    void beginGroup(std::string name, std::string help) override { items.push_back({"group", name, help}); }
    void addSpinner(std::string name, std::string help, double* value, double min, double max, double step,
                    int32_t setting, bool channel, int, Callback* callback) override {
        items.push_back({"spinner", name, help, channel, callback});
        EXPECT_TRUE(value != nullptr && min == 0.0 && max == 1e18 && step == 0.01 && setting == 1) << name;
    }
    void addCheckBox(std::string name, std::string help, bool*, Callback* callback) override {
        items.push_back({"check", name, help, false, callback});
    }
    void addButton(std::string name, std::string help, Callback* callback) override {
        items.push_back({"button", name, help, false, callback});
    }
    void refreshConfiguration() override { ++refreshCount; }
    void setToolData(const uint8_t* bytes, uint32_t size) override { data.assign(bytes, bytes + size); }
    const uint8_t* getToolData(uint32_t* size) override {
        if (size) *size = static_cast<uint32_t>(data.size());
        return data.empty() ? nullptr : data.data();
    }
    CNode* findNode(std::string name) override {
        for (auto& node : nodes)
            if (node->getCreationName() == name) return node.get();
        return nullptr;
    }
    CNode* createNode(std::string name, CNode*, void*) override {
        nodes.push_back(std::make_unique<FakeNode>(name));
        return nodes.back().get();
    }
    CSnapshot* getSnapshot(CNode* node, double t) override {
        return node ? new FakeSnapshot(*static_cast<FakeNode*>(node), t) : nullptr;
    }
    void releaseSnapshot(CSnapshot* snapshot) override { delete snapshot; }
    double getCurrentTime() override { return 0.0; }
    double getFrameDuration() override { return 0.04; }

    FakeNode& Node(const std::string& name) { return *static_cast<FakeNode*>(findNode(name)); }

    std::vector<std::unique_ptr<FakeNode>> nodes;
    std::vector<Item> items;
    std::vector<uint8_t> data;
    int undoCount = 0;
    int refreshCount = 0;
};

Matrix<double> At(const V& p) {
    return util::ToMatrix(util::QTransform<double>{p, {}});
}

class RuzovuZediziVizObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        tool.core = &core;
        ASSERT_EQ(tool.buildConfiguration(), 0);
        ASSERT_EQ(tool.initialize(), 0);
    }
    // Steps the tool over frames `from` to `to` and answers the FollowCam's x at each.
    std::vector<double> Run(int from, int to) {
        std::vector<double> xs;
        tool.begin(from * 0.04);
        for (int f = from + 1; f <= to; ++f) {
            tool.step(f * 0.04);
            xs.push_back(core.Node("FollowCam").At(f * 0.04).m[3][0]);
        }
        tool.end();
        return xs;
    }

    FakeCore core;
    CRuzovuZediziVizObject tool{{nullptr, "RuzovuZediziViz_01"}};
};

TEST_F(RuzovuZediziVizObjectTest, PageDeclaresTheFilterParametersWithSpinnerChannels) {
    const std::vector<std::pair<std::string, std::string>> expected{
        {"group", "Motion Filter Parameters"},      {"check", "Fixate Translations"},
        {"spinner", "Translation Response Factor"}, {"spinner", "Translation Smoothing Factor"},
        {"spinner", "Translation Max Velocity"},    {"check", "Fixate Rotations"},
        {"spinner", "Rotation Response Factor"},    {"spinner", "Rotation Smoothing Factor"},
        {"spinner", "Rotation Max Velocity"},       {"button", "Re-Initialize"}};
    ASSERT_EQ(core.items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(core.items[i].kind, expected[i].first);
        EXPECT_EQ(core.items[i].name, expected[i].second);
        EXPECT_EQ(core.items[i].channel, expected[i].first == "spinner");
        if (i > 0) {
            EXPECT_EQ(core.items[i].callback, static_cast<CInterface::Callback*>(&tool));
        }
    }
    EXPECT_EQ(core.items[7].help, core.items[3].help);
    EXPECT_EQ(core.items[1].help, "Fixates the camera's translations, ie no filtering");

    // Both cameras exist at the identity; "Re-Initialize" requests a restart, an undo event does not.
    ASSERT_EQ(core.nodes.size(), 2u);
    EXPECT_EQ(core.Node("AttachedCam").At(0.0), Matrix<double>());
    tool.onEvent("REALUNDORe-Initialize");
    EXPECT_FALSE(tool.reinitializeRequested);
    tool.onEvent("Re-Initialize");
    EXPECT_TRUE(tool.reinitializeRequested);
}

TEST_F(RuzovuZediziVizObjectTest, SavedStateHasTheNamedFieldsAndReadsBack) {
    tool.followCam.translationResponseFactor = 12.5;
    tool.followCam.rotationMaxVelocity = 3.0;
    tool.followCam.fixateRotations = true;
    core.Node("AttachedCam").keys[0.0] = At({1, 0, 0});
    Run(0, 3); // four filter-memory keys: the start and three steps
    ASSERT_EQ(tool.store(), 0);

    const auto record = util::DataChunk::FromBytes(core.data);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->GetName(), "RuzovuZediziVizDataChunk");
    const std::vector<std::pair<std::string, size_t>> fields{
        {"bFirstTime", 1},
        {"ancRuzovuZediziVizNodeqTransMem", 16 + 4 * 64},
        {"cRuzovuZediziVizNode.translationalResponseFactor", 8},
        {"cRuzovuZediziVizNode.rotationalResponseFactor", 8},
        {"cRuzovuZediziVizNode.translationalSmoothingFactor", 8},
        {"cRuzovuZediziVizNode.rotationalSmoothingFactor", 8},
        {"cRuzovuZediziVizNode.translationalMaxVel", 8},
        {"cRuzovuZediziVizNode.rotationalMaxVel", 8},
        {"cRuzovuZediziVizNode.bFixateTranslations", 1},
        {"cRuzovuZediziVizNode.bFixateRotations", 1}};
    ASSERT_EQ(record->GetChildCount(), fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(record->GetChild(i).GetName(), fields[i].first);
        EXPECT_EQ(record->GetChild(i).GetSize(), fields[i].second) << fields[i].first;
    }

    CRuzovuZediziVizObject loaded({nullptr, "RuzovuZediziViz_01"});
    loaded.core = &core;
    ASSERT_EQ(loaded.restore(), 0);
    EXPECT_FALSE(loaded.firstTime);
    EXPECT_EQ(loaded.followCam.translationResponseFactor, 12.5);
    EXPECT_EQ(loaded.followCam.rotationMaxVelocity, 3.0);
    EXPECT_TRUE(loaded.followCam.fixateRotations);
    EXPECT_FALSE(loaded.followCam.fixateTranslations);
    EXPECT_EQ(loaded.filterMemory.getKeys().size(), 4u);
    EXPECT_EQ(loaded.filterMemory.get(0.08), tool.filterMemory.get(0.08));
    EXPECT_EQ(loaded.followCam.node, core.findNode("FollowCam"));
}

TEST_F(RuzovuZediziVizObjectTest, RestoreWithoutACameraAnswersNonZero) {
    ASSERT_EQ(tool.store(), 0);
    core.nodes.erase(core.nodes.begin() + 1); // the AttachedCam
    CRuzovuZediziVizObject loaded({nullptr, "RuzovuZediziViz_01"});
    loaded.core = &core;
    EXPECT_NE(loaded.restore(), 0);
}

TEST_F(RuzovuZediziVizObjectTest, ReSimulationFromAnyFrameReproducesTheFirstRun) {
    FakeNode& attached = core.Node("AttachedCam");
    for (int f = 0; f <= 20; ++f) attached.keys[f * 0.04] = At({f < 5 ? 0.0 : 2.0, 0, 0});
    const std::vector<double> first = Run(0, 20);
    EXPECT_EQ(core.undoCount, 1);
    // Soft enough to lag: the FollowCam trails the jump at frame 5, then catches up past it.
    EXPECT_LT(first[5], 1.0);
    EXPECT_GT(*std::max_element(first.begin(), first.end()), 2.0);

    // Showing another time only refreshes the page; the recorded FollowCam stays as it was.
    const int refreshes = core.refreshCount;
    const auto keys = core.Node("FollowCam").keys;
    tool.timeChanged(0.4);
    EXPECT_EQ(core.refreshCount, refreshes + 1);
    EXPECT_EQ(core.Node("FollowCam").keys, keys);

    // Re-simulating from frame 8 takes the velocities recorded there and repeats the motion.
    const std::vector<double> again = Run(8, 20);
    for (size_t i = 0; i < again.size(); ++i) EXPECT_DOUBLE_EQ(again[i], first[i + 8]) << i;
}

TEST_F(RuzovuZediziVizObjectTest, FollowCamKeepsItsScaleAndAMissingTargetIsTheOrigin) {
    Matrix<double> scaled = At({4, 0, 0});
    for (int i = 0; i < 3; ++i) scaled.m[0][i] *= 2.0;
    core.Node("FollowCam").keys[0.0] = scaled;
    tool.attachedCam.node = nullptr; // the target cannot be obtained: the identity
    tool.followCam.fixateTranslations = true;
    Run(0, 1);
    const Matrix<double> after = core.Node("FollowCam").At(0.04);
    EXPECT_NEAR(util::Length(V{after.m[0][0], after.m[0][1], after.m[0][2]}), 2.0, 1e-12);
    EXPECT_NEAR(util::Length(V{after.m[1][0], after.m[1][1], after.m[1][2]}), 1.0, 1e-12);
    EXPECT_EQ(after.m[3][0], 0.0);
}

} // namespace
} // namespace vex::orb::addon
