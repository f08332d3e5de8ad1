#pragma once

#include "util/Message.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vex::util {

/// A named node of the synchronous notification network. Other nodes subscribe to it (the
/// subscriber calls connect with this node as argument); it then broadcasts messages to them, or
/// sends a message to a single node. Delivery is a direct call of `receive` on the receiving node.
///
/// The subscriber and subscription lists mirror each other (A is among B's subscribers exactly
/// when B is among A's subscriptions) and own none of their nodes. Deliveries to subscribers go
/// from the most recent subscriber to the oldest. Every delivery saves the message fields it
/// changes (origin, sender, receiver) and puts them back afterwards, so a node may pass a message
/// on from inside `receive` and the caller still sees the message's own history.
///
/// During a delivery to subscribers, a subscriber may disconnect itself or others, or be destroyed,
/// from inside `receive`: the delivery serves a snapshot of the list taken when it starts and skips
/// every node that has left the list since; nodes that subscribe meanwhile are served next time.
/// A node must not be destroyed while it is delivering a message itself.
///
/// Nodes are not copyable; `assign` copies another node's wiring.
class MessageNode {
public:
    /// An unconnected node called `name`.
    explicit MessageNode(std::string name = {});
    MessageNode(const MessageNode&) = delete;
    MessageNode& operator=(const MessageNode&) = delete;

    /// Replaces the name.
    virtual void setName(std::string name);
    /// Called on this node for every delivery; `broadcast` is true when the message came to all
    /// subscribers, false when sent or forwarded to this node alone. The base does nothing.
    virtual void receive(Message& message, bool broadcast);
    /// Delivers `message` to `target` with sender := this, keeping the origin. Null does nothing.
    virtual void forward(MessageNode* target, Message& message);
    /// Delivers `message` to every subscriber, last first, with sender := this and receiver set to
    /// each in turn, keeping the origin.
    virtual void forwardToSubscribers(Message& message);
    /// Delivers `message` to `target` with origin := sender := this. Null does nothing.
    virtual void send(MessageNode* target, Message& message);
    /// Delivers `message` to every subscriber, last first, with origin := sender := this and
    /// receiver set to each in turn.
    virtual void broadcast(Message& message);
    /// Subscribes this node to `node` and sends it a kSubscribed message. True when already
    /// subscribed (nothing changes, nothing is sent); false for null, or when this node is already
    /// among `node`'s subscribers without `node` being among its subscriptions.
    virtual bool connect(MessageNode* node);
    /// Sends `node` a kUnsubscribed message, then removes the subscription from both lists. True
    /// when not subscribed (nothing sent); false for null, or when the two lists disagree.
    virtual bool disconnect(MessageNode* node);
    /// A copy of the name.
    virtual std::string getName() const;
    /// Number of nodes this node is subscribed to.
    virtual int getSubscriptionCount() const;
    /// The i-th node this node is subscribed to; null when i is out of range.
    virtual MessageNode* getSubscription(int i) const;
    /// Number of nodes subscribed to this node.
    virtual int getSubscriberCount() const;
    /// The i-th node subscribed to this node; null when i is out of range.
    virtual MessageNode* getSubscriber(int i) const;
    /// True when `node` is subscribed to this node.
    virtual bool hasSubscriber(const MessageNode* node) const;
    /// True when this node is subscribed to `node`.
    virtual bool hasSubscription(const MessageNode* node) const;
    /// Replaces this node's wiring with a copy of `other`'s: drops every own subscription and
    /// subscriber (last first), then has every subscriber of `other` connect to this node and
    /// connects this node to every subscription of `other`, each in list order. The name is kept.
    virtual void assign(const MessageNode& other);
    /// Broadcasts kDestroyed to the subscribers (last first, origin = sender = this), disconnects
    /// from every subscription (last first), then asks every remaining subscriber to disconnect.
    virtual ~MessageNode();

private:
    // Serves `message` to the subscribers, last first; the caller has set origin and sender.
    void DeliverToSubscribers(Message& message);
    // Disconnects from every subscription, then makes every subscriber disconnect, each last first.
    void Unwire();

    std::string name_;
    std::vector<MessageNode*> subscribers_;
    std::vector<MessageNode*> subscriptions_;
    // Counts changes of the subscriber list, so a delivery only searches the list for a node of
    // its snapshot when the list has changed since the delivery began.
    uint64_t subscriberChanges_ = 0;
};

} // namespace vex::util
