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

    Client* AddClient(const std::string& name) {
        clients.push_back(std::make_unique<Client>(Client{this, name}));
        return clients.back().get();
    }
    MCallbackId Keep(MCallbackId id) {
        ids.append(id);
        return id;
    }

    static void Basic(void* data) {
        auto* c = static_cast<Client*>(data);
        c->test->calls.push_back(c->name);
        if (c->toRemove) MMessage::removeCallback(c->toRemove);
    }
    static void node(MObject&, void* data) { Basic(data); }
    static void State(bool on, void* data) {
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
        Keep(MSceneMessage::addCallback(MSceneMessage::kBeforeNew, Basic, AddClient("new"), &status));
    ASSERT_TRUE(status);
    Keep(MSceneMessage::addCallback(MSceneMessage::kAfterSave, Basic, AddClient("saved")));

    MessageHub::get().FireScene(MSceneMessage::kBeforeNew);
    MessageHub::get().FireScene(MSceneMessage::kAfterOpen);
    EXPECT_EQ(calls, (std::vector<std::string>{"new"}));

    EXPECT_TRUE(MMessage::removeCallback(beforeNew));
    EXPECT_FALSE(MMessage::removeCallback(beforeNew)) << "a removed id is no longer installed";
    MessageHub::get().FireScene(MSceneMessage::kBeforeNew);
    MessageHub::get().FireScene(MSceneMessage::kAfterSave);
    EXPECT_EQ(calls, (std::vector<std::string>{"new", "saved"}));
}

TEST_F(MessagesTest, CallbacksMayRemoveThemselvesAndOthersWhileFiring) {
    Client* self = AddClient("self");
    Client* killer = AddClient("killer");
    self->toRemove = Keep(MEventMessage::addEventCallback("timeChanged", Basic, self));
    killer->toRemove = 0;
    const MCallbackId killerId = Keep(MEventMessage::addEventCallback("timeChanged", Basic, killer));
    const MCallbackId victimId =
        Keep(MEventMessage::addEventCallback("timeChanged", Basic, AddClient("victim")));
    killer->toRemove = victimId;

    MessageHub::get().FireEvent("timeChanged");
    EXPECT_EQ(calls, (std::vector<std::string>{"self", "killer"}))
        << "the victim was removed before its turn";
    EXPECT_FALSE(MessageHub::get().IsInstalled(victimId));

    calls.clear();
    killer->toRemove = 0;
    MessageHub::get().FireEvent("timeChanged");
    EXPECT_EQ(calls, (std::vector<std::string>{"killer"})) << "the self-removing callback is gone";
    EXPECT_TRUE(MMessage::removeCallback(killerId));
}

TEST_F(MessagesTest, CallbackAddedDuringFiringWaitsForTheNextOne) {
    struct Adder {
        MessagesTest* test;
        Client* late;
    };
    Adder adder{this, AddClient("late")};
    Keep(MEventMessage::addEventCallback(
        "SelectionChanged",
        [](void* data) {
            auto* a = static_cast<Adder*>(data);
            a->test->calls.push_back("adder");
            if (a->test->ids.length() == 1)
                a->test->Keep(MEventMessage::addEventCallback("SelectionChanged", Basic, a->late));
        },
        &adder));
    MessageHub::get().FireEvent("SelectionChanged");
    EXPECT_EQ(calls, (std::vector<std::string>{"adder"}));
    MessageHub::get().FireEvent("SelectionChanged");
    EXPECT_EQ(calls, (std::vector<std::string>{"adder", "adder", "late"}));
}

TEST_F(MessagesTest, NodeCallbacksFilterByTypeIncludingDerivedTypes) {
    Keep(MDGMessage::addNodeAddedCallback(node, "dependNode", AddClient("all")));
    Keep(MDGMessage::addNodeAddedCallback(node, "transform", AddClient("transforms")));
    Keep(MDGMessage::addNodeRemovedCallback(node, "camera", AddClient("cameras gone")));

    MObject object;
    MessageHub::get().FireNodeAdded(object, {"transform", "dagNode", "dependNode"});
    MessageHub::get().FireNodeAdded(object, {"camera", "shape", "dagNode", "dependNode"});
    MessageHub::get().FireNodeRemoved(object, {"transform", "dagNode", "dependNode"});
    MessageHub::get().FireNodeRemoved(object, {"camera", "shape", "dagNode", "dependNode"});
    EXPECT_EQ(calls, (std::vector<std::string>{"all", "transforms", "all", "cameras gone"}));
}

TEST_F(MessagesTest, ConditionsReportChangesOnly) {
    MStatus status;
    Keep(MConditionMessage::addConditionCallback("playingBack", State, AddClient("play"), &status));
    ASSERT_TRUE(status);
    EXPECT_EQ(MConditionMessage::addConditionCallback("noSuchCondition", State, AddClient("x"), &status), 0u);
    EXPECT_EQ(status, MStatus::kInvalidParameter);

    MessageHub::get().SetCondition("playingBack", true);
    MessageHub::get().SetCondition("playingBack", true);
    EXPECT_TRUE(MConditionMessage::getConditionState("playingBack"));
    MessageHub::get().SetCondition("playingBack", false);
    EXPECT_FALSE(MConditionMessage::getConditionState("playingBack"));
    EXPECT_EQ(calls, (std::vector<std::string>{"play:on", "play:off"}));
}

TEST_F(MessagesTest, UnknownEventsAndNullFunctionsAreRefused) {
    MStatus status;
    EXPECT_EQ(MEventMessage::addEventCallback("noSuchEvent", Basic, nullptr, &status), 0u);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_EQ(MSceneMessage::addCallback(MSceneMessage::kAfterNew, nullptr, nullptr, &status), 0u);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

TEST_F(MessagesTest, RemovingAnArrayRemovesEveryKnownIdAndReportsStaleOnes) {
    const std::size_t before = MessageHub::get().count();
    MCallbackIdArray mine;
    mine.append(MSceneMessage::addCallback(MSceneMessage::kBeforeOpen, Basic, AddClient("a")));
    mine.append(MSceneMessage::addCallback(MSceneMessage::kAfterOpen, Basic, AddClient("b")));
    EXPECT_TRUE(MMessage::removeCallbacks(mine));
    EXPECT_EQ(MessageHub::get().count(), before);

    mine.clear();
    mine.append(MSceneMessage::addCallback(MSceneMessage::kBeforeOpen, Basic, AddClient("c")));
    mine.append(987654321u);
    EXPECT_FALSE(MMessage::removeCallbacks(mine));
    EXPECT_EQ(MessageHub::get().count(), before) << "the known id is removed even though another was stale";
}

} // namespace
