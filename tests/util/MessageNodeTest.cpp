#include "util/MessageNode.h"

#include "util/Message.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

using vex::util::Message;
using vex::util::MessageNode;

namespace {

constexpr bool kBroadcast = true, kDirect = false;

// One call of receive, as the receiving node saw it.
struct Delivery {
    MessageNode* at;
    int32_t code;
    bool broadcast;
    MessageNode *origin, *sender, *receiver;
    bool operator==(const Delivery&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Delivery& d) {
    return out << "{at " << d.at << " code " << d.code << (d.broadcast ? " broadcast" : " direct")
               << " origin " << d.origin << " sender " << d.sender << " receiver " << d.receiver << "}";
}

// A node that writes every delivery into a shared log and can run extra work from inside receive.
class Recorder : public MessageNode {
public:
    explicit Recorder(std::vector<Delivery>& log) : log_(log) {}
    ~Recorder() override { onReceive = nullptr; }

    void receive(Message& m, bool broadcast) override {
        log_.push_back({this, m.code, broadcast, m.origin, m.sender, m.receiver});
        if (onReceive) onReceive(m);
    }

    std::function<void(Message&)> onReceive;

private:
    std::vector<Delivery>& log_;
};

} // namespace

TEST(MessageNode, ConnectAndDisconnectNotifyOnlyOnChange) {
    std::vector<Delivery> log;
    Recorder source(log), subscriber(log), stranger(log);
    EXPECT_TRUE(subscriber.connect(&source));
    EXPECT_TRUE(subscriber.connect(&source));
    EXPECT_EQ(source.getSubscriberCount(), 1);
    EXPECT_EQ(subscriber.getSubscription(0), &source);
    EXPECT_EQ(source.getSubscriber(0), &subscriber);
    EXPECT_EQ(source.getSubscriber(-1), nullptr);
    EXPECT_EQ(source.getSubscriber(1), nullptr);
    EXPECT_EQ(subscriber.getSubscription(1), nullptr);
    EXPECT_FALSE(subscriber.connect(nullptr));
    EXPECT_FALSE(subscriber.disconnect(nullptr));
    EXPECT_TRUE(stranger.disconnect(&source));

    bool linkedWhenNotified = false;
    source.onReceive = [&](Message&) { linkedWhenNotified = source.hasSubscriber(&subscriber); };
    EXPECT_TRUE(subscriber.disconnect(&source));
    EXPECT_TRUE(linkedWhenNotified);
    EXPECT_EQ(source.getSubscriberCount(), 0);
    EXPECT_EQ(subscriber.getSubscriptionCount(), 0);
    EXPECT_EQ(log, (std::vector<Delivery>{
                       {&source, Message::kSubscribed, kDirect, &subscriber, &subscriber, nullptr},
                       {&source, Message::kUnsubscribed, kDirect, &subscriber, &subscriber, nullptr}}));
}

TEST(MessageNode, BroadcastServesNewestSubscriberFirstAndRestoresFields) {
    std::vector<Delivery> log;
    Recorder source(log), s1(log), s2(log), s3(log), outsider(log);
    for (Recorder* s : {&s1, &s2, &s3}) s->connect(&source);
    log.clear();

    Message message(0x4001, 7, 99);
    message.origin = message.sender = message.receiver = &outsider;
    source.broadcast(message);
    EXPECT_EQ(log, (std::vector<Delivery>{{&s3, 0x4001, kBroadcast, &source, &source, &s3},
                                          {&s2, 0x4001, kBroadcast, &source, &source, &s2},
                                          {&s1, 0x4001, kBroadcast, &source, &source, &s1}}));
    EXPECT_EQ(message.origin, &outsider);
    EXPECT_EQ(message.sender, &outsider);
    EXPECT_EQ(message.receiver, &outsider);
}

TEST(MessageNode, PassingMessagesOnKeepsTheirHistory) {
    std::vector<Delivery> log;
    Recorder source(log), relay(log), end1(log), end2(log);
    relay.connect(&source);
    end1.connect(&relay);
    log.clear();

    relay.onReceive = [&](Message& m) {
        relay.forwardToSubscribers(m);
        relay.forward(&end2, m);
        relay.send(&end2, m);
        relay.forward(nullptr, m);
        relay.send(nullptr, m);
        // After passing it on, the relay sees the message as the source delivered it.
        EXPECT_EQ(m.origin, &source);
        EXPECT_EQ(m.sender, &source);
        EXPECT_EQ(m.receiver, &relay);
    };
    Message message(5);
    source.broadcast(message);
    relay.onReceive = nullptr;
    EXPECT_EQ(log, (std::vector<Delivery>{{&relay, 5, kBroadcast, &source, &source, &relay},
                                          {&end1, 5, kBroadcast, &source, &relay, &end1},
                                          {&end2, 5, kDirect, &source, &relay, &relay},
                                          {&end2, 5, kDirect, &relay, &relay, &relay}}));
}

TEST(MessageNode, SubscribersLeavingDuringBroadcastAreSkipped) {
    std::vector<Delivery> log;
    Recorder source(log), s1(log), s3(log), late(log);
    auto s2 = std::make_unique<Recorder>(log);
    MessageNode* const gone = s2.get();
    s1.connect(&source);
    s2->connect(&source);
    s3.connect(&source);
    log.clear();

    // s3, served first, destroys s2 and subscribes a newcomer; s1 is still served, the newcomer not.
    s3.onReceive = [&](Message&) {
        s2.reset();
        late.connect(&source);
    };
    Message message(1);
    source.broadcast(message);
    EXPECT_EQ(log, (std::vector<Delivery>{{&s3, 1, kBroadcast, &source, &source, &s3},
                                          {&source, Message::kUnsubscribed, kDirect, gone, gone, nullptr},
                                          {&source, Message::kSubscribed, kDirect, &late, &late, nullptr},
                                          {&s1, 1, kBroadcast, &source, &source, &s1}}));
}

TEST(MessageNode, DestructionNotifiesSubscribersThenUnwires) {
    std::vector<Delivery> log;
    Recorder upstream(log), s1(log), s2(log);
    auto source = std::make_unique<MessageNode>();
    MessageNode* const dying = source.get();
    source->connect(&upstream);
    s1.connect(dying);
    s2.connect(dying);
    log.clear();
    source.reset();

    EXPECT_EQ(log,
              (std::vector<Delivery>{{&s2, Message::kDestroyed, kBroadcast, dying, dying, &s2},
                                     {&s1, Message::kDestroyed, kBroadcast, dying, dying, &s1},
                                     {&upstream, Message::kUnsubscribed, kDirect, dying, dying, nullptr}}));
    EXPECT_EQ(s1.getSubscriptionCount(), 0);
    EXPECT_EQ(s2.getSubscriptionCount(), 0);
    EXPECT_EQ(upstream.getSubscriberCount(), 0);
}

TEST(MessageNode, AssignCopiesWiringInOrder) {
    std::vector<Delivery> log;
    Recorder model(log), copy(log), u1(log), u2(log), s1(log), s2(log), old1(log), old2(log);
    model.connect(&u1);
    model.connect(&u2);
    s1.connect(&model);
    s2.connect(&model);
    copy.connect(&old1);
    copy.connect(&u2);
    old2.connect(&copy);

    copy.assign(model);
    EXPECT_EQ(copy.getSubscriptionCount(), 2);
    EXPECT_EQ(copy.getSubscription(0), &u1);
    EXPECT_EQ(copy.getSubscription(1), &u2); // re-made after u1, as in the model
    EXPECT_EQ(copy.getSubscriberCount(), 2);
    EXPECT_EQ(copy.getSubscriber(0), &s1);
    EXPECT_EQ(copy.getSubscriber(1), &s2);
    EXPECT_FALSE(old1.hasSubscriber(&copy));
    EXPECT_FALSE(old2.hasSubscription(&copy));
    EXPECT_EQ(model.getSubscriberCount(), 2);
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
        EXPECT_EQ(static_cast<Tag*>(message.GetAttachment(0))->id, 1);
    }
    EXPECT_EQ(order, (std::vector<int>{3, 2, 1}));
}
