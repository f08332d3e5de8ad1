#include "util/MessageNode.h"
#include "util/Message.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using vex::util::Message;
using vex::util::MessageNode;

namespace {

// One call of receive, as the receiving node saw it.
struct Delivery {
    MessageNode* at;
    int32_t code;
    bool broadcast;
    MessageNode* origin;
    MessageNode* sender;
    MessageNode* receiver;
};

// A node that writes every delivery into a shared log and can run extra work from inside receive.
class Recorder : public MessageNode {
public:
    Recorder(std::string name, std::vector<Delivery>& log) : MessageNode(std::move(name)), log_(log) {}

    void receive(Message& message, bool broadcast) override {
        log_.push_back({this, message.code, broadcast, message.origin, message.sender, message.receiver});
        if (onReceive) onReceive(message);
    }

    std::function<void(Message&)> onReceive;

private:
    std::vector<Delivery>& log_;
};

std::vector<MessageNode*> Receivers(const std::vector<Delivery>& log) {
    std::vector<MessageNode*> nodes;
    for (const Delivery& d : log) nodes.push_back(d.at);
    return nodes;
}

} // namespace

TEST(MessageNode, ConnectTwiceKeepsOneEntryAndNotifiesOnce) {
    std::vector<Delivery> log;
    Recorder source("source", log), subscriber("subscriber", log);
    EXPECT_TRUE(subscriber.connect(&source));
    EXPECT_TRUE(subscriber.connect(&source));
    EXPECT_EQ(source.getSubscriberCount(), 1);
    EXPECT_EQ(subscriber.getSubscriptionCount(), 1);
    EXPECT_EQ(source.getSubscriber(0), &subscriber);
    EXPECT_EQ(subscriber.getSubscription(0), &source);
    EXPECT_TRUE(source.hasSubscriber(&subscriber));
    EXPECT_TRUE(subscriber.hasSubscription(&source));
    EXPECT_FALSE(source.hasSubscription(&subscriber));

    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].at, &source);
    EXPECT_EQ(log[0].code, Message::kSubscribed);
    EXPECT_FALSE(log[0].broadcast);
    EXPECT_EQ(log[0].origin, &subscriber);
    EXPECT_EQ(log[0].sender, &subscriber);

    EXPECT_FALSE(subscriber.connect(nullptr));
    EXPECT_FALSE(subscriber.disconnect(nullptr));
}

TEST(MessageNode, DisconnectNotifiesBeforeUnlinking) {
    std::vector<Delivery> log;
    Recorder source("source", log), subscriber("subscriber", log), stranger("stranger", log);
    EXPECT_TRUE(stranger.disconnect(&source));
    EXPECT_TRUE(log.empty());

    subscriber.connect(&source);
    log.clear();
    bool linkedWhenNotified = false;
    source.onReceive = [&](Message&) { linkedWhenNotified = source.hasSubscriber(&subscriber); };
    EXPECT_TRUE(subscriber.disconnect(&source));
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].at, &source);
    EXPECT_EQ(log[0].code, Message::kUnsubscribed);
    EXPECT_EQ(log[0].origin, &subscriber);
    EXPECT_TRUE(linkedWhenNotified);
    EXPECT_EQ(source.getSubscriberCount(), 0);
    EXPECT_EQ(subscriber.getSubscriptionCount(), 0);
}

TEST(MessageNode, IndexAccessOutOfRangeIsNull) {
    std::vector<Delivery> log;
    Recorder source("source", log), s1("s1", log), s2("s2", log);
    s1.connect(&source);
    s2.connect(&source);
    EXPECT_EQ(source.getSubscriber(-1), nullptr);
    EXPECT_EQ(source.getSubscriber(2), nullptr);
    EXPECT_EQ(source.getSubscriber(1), &s2);
    EXPECT_EQ(s1.getSubscription(-1), nullptr);
    EXPECT_EQ(s1.getSubscription(1), nullptr);
    EXPECT_EQ(source.getSubscription(0), nullptr);
}

TEST(MessageNode, BroadcastServesNewestSubscriberFirstAndRestoresFields) {
    std::vector<Delivery> log;
    Recorder source("source", log), s1("s1", log), s2("s2", log), s3("s3", log), outsider("x", log);
    for (Recorder* s : {&s1, &s2, &s3}) s->connect(&source);
    log.clear();

    Message message(0x4001, 7, 99);
    message.origin = message.sender = message.receiver = &outsider;
    source.broadcast(message);
    EXPECT_EQ(Receivers(log), (std::vector<MessageNode*>{&s3, &s2, &s1}));
    for (const Delivery& d : log) {
        EXPECT_TRUE(d.broadcast);
        EXPECT_EQ(d.origin, &source);
        EXPECT_EQ(d.sender, &source);
        EXPECT_EQ(d.receiver, d.at);
    }
    EXPECT_EQ(message.origin, &outsider);
    EXPECT_EQ(message.sender, &outsider);
    EXPECT_EQ(message.receiver, &outsider);
    EXPECT_EQ(message.code, 0x4001);
    EXPECT_EQ(message.parameter, 7);
    EXPECT_EQ(message.value, 99);
}

TEST(MessageNode, PassingMessagesOnKeepsTheirHistory) {
    std::vector<Delivery> log;
    Recorder source("source", log), relay("relay", log), end1("end1", log), end2("end2", log);
    relay.connect(&source);
    end1.connect(&relay);
    log.clear();

    // The relay passes every broadcast on to its own subscribers, then to end2 directly; after
    // each it must see the message as the source delivered it.
    std::vector<Delivery> seenByRelayAfter;
    relay.onReceive = [&](Message& m) {
        relay.forwardToSubscribers(m);
        seenByRelayAfter.push_back({&relay, m.code, true, m.origin, m.sender, m.receiver});
        relay.forward(&end2, m);
        relay.forward(nullptr, m);
        seenByRelayAfter.push_back({&relay, m.code, true, m.origin, m.sender, m.receiver});
        relay.send(&end2, m);
        seenByRelayAfter.push_back({&relay, m.code, true, m.origin, m.sender, m.receiver});
    };
    Message message(5);
    source.broadcast(message);
    relay.onReceive = nullptr; // end2 goes first at the end of the test

    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[1].at, &end1);
    EXPECT_TRUE(log[1].broadcast);
    EXPECT_EQ(log[1].origin, &source);
    EXPECT_EQ(log[1].sender, &relay);
    EXPECT_EQ(log[1].receiver, &end1);
    EXPECT_EQ(log[2].at, &end2);
    EXPECT_FALSE(log[2].broadcast);
    EXPECT_EQ(log[2].origin, &source);
    EXPECT_EQ(log[2].sender, &relay);
    EXPECT_EQ(log[2].receiver, &relay);
    EXPECT_EQ(log[3].origin, &relay);
    EXPECT_EQ(log[3].sender, &relay);
    for (const Delivery& d : seenByRelayAfter) {
        EXPECT_EQ(d.origin, &source);
        EXPECT_EQ(d.sender, &source);
        EXPECT_EQ(d.receiver, &relay);
    }
    EXPECT_EQ(seenByRelayAfter.size(), 3u);
    EXPECT_EQ(message.origin, nullptr);
    EXPECT_EQ(message.sender, nullptr);
    EXPECT_EQ(message.receiver, nullptr);
}

TEST(MessageNode, SubscribersLeavingDuringBroadcastAreSkipped) {
    std::vector<Delivery> log;
    Recorder source("source", log), s1("s1", log), s3("s3", log), late("late", log);
    auto s2 = std::make_unique<Recorder>("s2", log);
    s1.connect(&source);
    s2->connect(&source);
    s3.connect(&source);
    log.clear();

    // s3, served first, destroys s2 and subscribes a newcomer; s1 still gets the message.
    s3.onReceive = [&](Message&) {
        s2.reset();
        late.connect(&source);
    };
    Message message(1);
    source.broadcast(message);
    s3.onReceive = nullptr;
    // Between s3 and s1 the source hears s2 leave and the newcomer arrive.
    EXPECT_EQ(Receivers(log), (std::vector<MessageNode*>{&s3, &source, &source, &s1}));
    EXPECT_EQ(log[1].code, Message::kUnsubscribed);
    EXPECT_EQ(log[2].code, Message::kSubscribed);

    // s1 disconnecting itself while being served leaves the others served as usual.
    log.clear();
    s1.onReceive = [&](Message&) { s1.disconnect(&source); };
    source.broadcast(message);
    s1.onReceive = nullptr;
    EXPECT_EQ(Receivers(log), (std::vector<MessageNode*>{&late, &s3, &s1, &source}));
    EXPECT_EQ(source.getSubscriberCount(), 2);
}

TEST(MessageNode, DestructionNotifiesSubscribersThenUnwires) {
    std::vector<Delivery> log;
    Recorder upstream("upstream", log), s1("s1", log), s2("s2", log);
    MessageNode* dying = nullptr;
    {
        Recorder source("source", log);
        dying = &source;
        source.connect(&upstream);
        s1.connect(&source);
        s2.connect(&source);
        log.clear();
    }
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(Receivers(log), (std::vector<MessageNode*>{&s2, &s1, &upstream}));
    for (int i : {0, 1}) {
        EXPECT_EQ(log[i].code, Message::kDestroyed);
        EXPECT_TRUE(log[i].broadcast);
        EXPECT_EQ(log[i].origin, dying);
        EXPECT_EQ(log[i].receiver, log[i].at);
    }
    EXPECT_EQ(log[2].code, Message::kUnsubscribed);
    EXPECT_EQ(s1.getSubscriptionCount(), 0);
    EXPECT_EQ(s2.getSubscriptionCount(), 0);
    EXPECT_EQ(upstream.getSubscriberCount(), 0);
}

TEST(MessageNode, AssignCopiesWiring) {
    std::vector<Delivery> log;
    Recorder model("model", log), copy("copy", log);
    Recorder u1("u1", log), u2("u2", log), s1("s1", log), s2("s2", log), old1("old1", log), old2("old2", log);
    model.connect(&u1);
    model.connect(&u2);
    s1.connect(&model);
    s2.connect(&model);
    copy.connect(&old1);
    old2.connect(&copy);
    copy.connect(&u2); // kept across the copy, but moved to the order of the model
    log.clear();

    copy.assign(model);
    EXPECT_EQ(copy.getName(), "copy");
    ASSERT_EQ(copy.getSubscriptionCount(), 2);
    EXPECT_EQ(copy.getSubscription(0), &u1);
    EXPECT_EQ(copy.getSubscription(1), &u2);
    ASSERT_EQ(copy.getSubscriberCount(), 2);
    EXPECT_EQ(copy.getSubscriber(0), &s1);
    EXPECT_EQ(copy.getSubscriber(1), &s2);
    EXPECT_FALSE(old1.hasSubscriber(&copy));
    EXPECT_FALSE(old2.hasSubscription(&copy));
    EXPECT_EQ(model.getSubscriptionCount(), 2);
    EXPECT_EQ(model.getSubscriberCount(), 2);
    EXPECT_TRUE(u1.hasSubscriber(&model) && u1.hasSubscriber(&copy));

    // Unwiring, last first, then rewiring in list order.
    std::vector<std::pair<MessageNode*, int32_t>> calls;
    for (const Delivery& d : log) calls.emplace_back(d.at, d.code);
    const std::vector<std::pair<MessageNode*, int32_t>> expected = {
        {&u2, Message::kUnsubscribed}, {&old1, Message::kUnsubscribed}, {&copy, Message::kUnsubscribed},
        {&copy, Message::kSubscribed}, {&copy, Message::kSubscribed},   {&u1, Message::kSubscribed},
        {&u2, Message::kSubscribed}};
    EXPECT_EQ(calls, expected);

    copy.setName("renamed");
    EXPECT_EQ(copy.getName(), "renamed");
}

TEST(MessageNode, AttachmentsAreDestroyedLastFirst) {
    struct Tag : Message::Attachment {
        Tag(int id, std::vector<int>& order) : id(id), order(order) {}
        ~Tag() override { order.push_back(id); }
        int id;
        std::vector<int>& order;
    };
    std::vector<int> order;
    {
        Message message(1);
        for (int id = 1; id <= 3; ++id) message.Attach(std::make_unique<Tag>(id, order));
        message.Attach(nullptr);
        EXPECT_EQ(message.GetAttachmentCount(), 3u);
        EXPECT_EQ(static_cast<Tag*>(message.GetAttachment(0))->id, 1);
        EXPECT_EQ(message.GetAttachment(3), nullptr);
        EXPECT_TRUE(order.empty());
    }
    EXPECT_EQ(order, (std::vector<int>{3, 2, 1}));
}
