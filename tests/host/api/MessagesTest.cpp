#include "host/scene/MessageHub.h"

#include <gtest/gtest.h>
#include <maya/MCallbackIdArray.h>
#include <maya/MConditionMessage.h>
#include <maya/MDGMessage.h>
#include <maya/MEventMessage.h>
#include <maya/MObject.h>
#include <maya/MSceneMessage.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <string>
#include <vector>

namespace {

using vex::host::MessageHub;

// Records which callbacks ran, by the name given as client data; every test removes what it installed.
class MessagesTest : public ::testing::Test {
public:
    void TearDown() override { MMessage::removeCallbacks(ids); }

    struct Client {
        MessagesTest* test;
        std::string name;
        MCallbackId toRemove = 0; // removed by the callback when it runs
    };

    Client* client(const std::string& name) {
        clients.push_back(std::make_unique<Client>(Client{this, name}));
        return clients.back().get();
    }
    MCallbackId keep(MCallbackId id) {
        ids.append(id);
        return id;
    }

    static void basic(void* data) {
        auto* c = static_cast<Client*>(data);
        c->test->calls.push_back(c->name);
        if (c->toRemove) MMessage::removeCallback(c->toRemove);
    }
    static void node(MObject&, void* data) { basic(data); }
    static void state(bool on, void* data) {
        auto* c = static_cast<Client*>(data);
        c->test->calls.push_back(c->name + (on ? ":on" : ":off"));
    }

    MCallbackIdArray ids;
    std::vector<std::unique_ptr<Client>> clients;
    std::vector<std::string> calls;
};

TEST_F(MessagesTest, SceneCallbacksFireForTheirMessageUntilRemoved) {
    MStatus status;
    const MCallbackId beforeNew =
        keep(MSceneMessage::addCallback(MSceneMessage::kBeforeNew, basic, client("new"), &status));
    ASSERT_TRUE(status);
    keep(MSceneMessage::addCallback(MSceneMessage::kAfterSave, basic, client("saved")));

    MessageHub::get().fireScene(MSceneMessage::kBeforeNew);
    MessageHub::get().fireScene(MSceneMessage::kAfterOpen);
    EXPECT_EQ(calls, (std::vector<std::string>{"new"}));

    EXPECT_TRUE(MMessage::removeCallback(beforeNew));
    EXPECT_FALSE(MMessage::removeCallback(beforeNew)) << "a removed id is no longer installed";
    MessageHub::get().fireScene(MSceneMessage::kBeforeNew);
    MessageHub::get().fireScene(MSceneMessage::kAfterSave);
    EXPECT_EQ(calls, (std::vector<std::string>{"new", "saved"}));
}

TEST_F(MessagesTest, CallbacksMayRemoveThemselvesAndOthersWhileFiring) {
    Client* self = client("self");
    Client* killer = client("killer");
    self->toRemove = keep(MEventMessage::addEventCallback("timeChanged", basic, self));
    killer->toRemove = 0;
    const MCallbackId killerId = keep(MEventMessage::addEventCallback("timeChanged", basic, killer));
    const MCallbackId victimId =
        keep(MEventMessage::addEventCallback("timeChanged", basic, client("victim")));
    killer->toRemove = victimId;

    MessageHub::get().fireEvent("timeChanged");
    EXPECT_EQ(calls, (std::vector<std::string>{"self", "killer"}))
        << "the victim was removed before its turn";
    EXPECT_FALSE(MessageHub::get().isInstalled(victimId));

    calls.clear();
    killer->toRemove = 0;
    MessageHub::get().fireEvent("timeChanged");
    EXPECT_EQ(calls, (std::vector<std::string>{"killer"})) << "the self-removing callback is gone";
    EXPECT_TRUE(MMessage::removeCallback(killerId));
}

TEST_F(MessagesTest, CallbackAddedDuringFiringWaitsForTheNextOne) {
    struct Adder {
        MessagesTest* test;
        Client* late;
    };
    Adder adder{this, client("late")};
    keep(MEventMessage::addEventCallback(
        "SelectionChanged",
        [](void* data) {
            auto* a = static_cast<Adder*>(data);
            a->test->calls.push_back("adder");
            if (a->test->ids.length() == 1)
                a->test->keep(MEventMessage::addEventCallback("SelectionChanged", basic, a->late));
        },
        &adder));
    MessageHub::get().fireEvent("SelectionChanged");
    EXPECT_EQ(calls, (std::vector<std::string>{"adder"}));
    MessageHub::get().fireEvent("SelectionChanged");
    EXPECT_EQ(calls, (std::vector<std::string>{"adder", "adder", "late"}));
}

TEST_F(MessagesTest, NodeCallbacksFilterByTypeIncludingDerivedTypes) {
    keep(MDGMessage::addNodeAddedCallback(node, "dependNode", client("all")));
    keep(MDGMessage::addNodeAddedCallback(node, "transform", client("transforms")));
    keep(MDGMessage::addNodeRemovedCallback(node, "camera", client("cameras gone")));

    MObject object;
    MessageHub::get().fireNodeAdded(object, {"transform", "dagNode", "dependNode"});
    MessageHub::get().fireNodeAdded(object, {"camera", "shape", "dagNode", "dependNode"});
    MessageHub::get().fireNodeRemoved(object, {"transform", "dagNode", "dependNode"});
    MessageHub::get().fireNodeRemoved(object, {"camera", "shape", "dagNode", "dependNode"});
    EXPECT_EQ(calls, (std::vector<std::string>{"all", "transforms", "all", "cameras gone"}));
}

TEST_F(MessagesTest, ConditionsReportChangesOnly) {
    MStatus status;
    keep(MConditionMessage::addConditionCallback("playingBack", state, client("play"), &status));
    ASSERT_TRUE(status);
    EXPECT_EQ(MConditionMessage::addConditionCallback("noSuchCondition", state, client("x"), &status), 0u);
    EXPECT_EQ(status, MStatus::kInvalidParameter);

    MessageHub::get().setCondition("playingBack", true);
    MessageHub::get().setCondition("playingBack", true);
    EXPECT_TRUE(MConditionMessage::getConditionState("playingBack"));
    MessageHub::get().setCondition("playingBack", false);
    EXPECT_FALSE(MConditionMessage::getConditionState("playingBack"));
    EXPECT_EQ(calls, (std::vector<std::string>{"play:on", "play:off"}));
}

TEST_F(MessagesTest, UnknownEventsAndNullFunctionsAreRefused) {
    MStatus status;
    EXPECT_EQ(MEventMessage::addEventCallback("noSuchEvent", basic, nullptr, &status), 0u);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_EQ(MSceneMessage::addCallback(MSceneMessage::kAfterNew, nullptr, nullptr, &status), 0u);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

TEST_F(MessagesTest, RemovingAnArrayRemovesEveryKnownIdAndReportsStaleOnes) {
    const std::size_t before = MessageHub::get().count();
    MCallbackIdArray mine;
    mine.append(MSceneMessage::addCallback(MSceneMessage::kBeforeOpen, basic, client("a")));
    mine.append(MSceneMessage::addCallback(MSceneMessage::kAfterOpen, basic, client("b")));
    EXPECT_TRUE(MMessage::removeCallbacks(mine));
    EXPECT_EQ(MessageHub::get().count(), before);

    mine.clear();
    mine.append(MSceneMessage::addCallback(MSceneMessage::kBeforeOpen, basic, client("c")));
    mine.append(987654321u);
    EXPECT_FALSE(MMessage::removeCallbacks(mine));
    EXPECT_EQ(MessageHub::get().count(), before) << "the known id is removed even though another was stale";
}

} // namespace
