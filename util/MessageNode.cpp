#include "util/MessageNode.h"

#include <algorithm>
#include <utility>

namespace vex::util {

namespace {

bool Contains(const std::vector<MessageNode*>& list, const MessageNode* node) {
    return std::find(list.begin(), list.end(), node) != list.end();
}

// Removes the first occurrence of `node`; the lists hold each node at most once.
bool Remove(std::vector<MessageNode*>& list, const MessageNode* node) {
    auto it = std::find(list.begin(), list.end(), node);
    if (it == list.end()) return false;
    list.erase(it);
    return true;
}

MessageNode* At(const std::vector<MessageNode*>& list, int i) {
    return i >= 0 && static_cast<size_t>(i) < list.size() ? list[static_cast<size_t>(i)] : nullptr;
}

} // namespace

MessageNode::MessageNode(std::string name) : name_(std::move(name)) {}

void MessageNode::setName(std::string name) {
    name_ = std::move(name);
}

void MessageNode::receive(Message&, bool) {}

void MessageNode::forward(MessageNode* target, Message& message) {
    if (target == nullptr) return;
    MessageNode* const sender = message.sender;
    message.sender = this;
    target->receive(message, false);
    message.sender = sender;
}

void MessageNode::forwardToSubscribers(Message& message) {
    MessageNode* const sender = message.sender;
    message.sender = this;
    DeliverToSubscribers(message);
    message.sender = sender;
}

void MessageNode::send(MessageNode* target, Message& message) {
    if (target == nullptr) return;
    MessageNode* const origin = message.origin;
    MessageNode* const sender = message.sender;
    message.origin = message.sender = this;
    target->receive(message, false);
    message.origin = origin;
    message.sender = sender;
}

void MessageNode::broadcast(Message& message) {
    MessageNode* const origin = message.origin;
    MessageNode* const sender = message.sender;
    message.origin = message.sender = this;
    DeliverToSubscribers(message);
    message.origin = origin;
    message.sender = sender;
}

void MessageNode::DeliverToSubscribers(Message& message) {
    MessageNode* const receiver = message.receiver;
    // A receiver may change the subscriber list (disconnect, destroy a node); serve a snapshot and
    // skip the nodes that have left the list since it was taken.
    const std::vector<MessageNode*> snapshot = subscribers_;
    const uint64_t changes = subscriberChanges_;
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
        MessageNode* const node = *it;
        if (subscriberChanges_ != changes && !Contains(subscribers_, node)) continue;
        message.receiver = node;
        node->receive(message, true);
    }
    message.receiver = receiver;
}

bool MessageNode::connect(MessageNode* node) {
    if (node == nullptr) return false;
    if (hasSubscription(node)) return true;
    if (node->hasSubscriber(this)) return false;
    subscriptions_.push_back(node);
    node->subscribers_.push_back(this);
    ++node->subscriberChanges_;
    Message message(Message::kSubscribed);
    send(node, message);
    return true;
}

bool MessageNode::disconnect(MessageNode* node) {
    if (node == nullptr) return false;
    const bool subscribed = hasSubscription(node);
    if (subscribed != node->hasSubscriber(this)) return false;
    if (!subscribed) return true;
    Message message(Message::kUnsubscribed);
    send(node, message);
    // The receiver may already have undone the link from inside `receive`; removal tolerates that.
    Remove(subscriptions_, node);
    if (Remove(node->subscribers_, this)) ++node->subscriberChanges_;
    return true;
}

std::string MessageNode::getName() const {
    return name_;
}

int MessageNode::getSubscriptionCount() const {
    return static_cast<int>(subscriptions_.size());
}

MessageNode* MessageNode::getSubscription(int i) const {
    return At(subscriptions_, i);
}

int MessageNode::getSubscriberCount() const {
    return static_cast<int>(subscribers_.size());
}

MessageNode* MessageNode::getSubscriber(int i) const {
    return At(subscribers_, i);
}

bool MessageNode::hasSubscriber(const MessageNode* node) const {
    return Contains(subscribers_, node);
}

bool MessageNode::hasSubscription(const MessageNode* node) const {
    return Contains(subscriptions_, node);
}

void MessageNode::Unwire() {
    // Each step works on a snapshot, since the calls change the lists, and re-checks membership
    // first, since a receiver may have rewired or destroyed nodes in the meantime.
    const std::vector<MessageNode*> ownSubscriptions = subscriptions_;
    for (auto it = ownSubscriptions.rbegin(); it != ownSubscriptions.rend(); ++it)
        if (hasSubscription(*it)) disconnect(*it);
    const std::vector<MessageNode*> ownSubscribers = subscribers_;
    for (auto it = ownSubscribers.rbegin(); it != ownSubscribers.rend(); ++it)
        if (hasSubscriber(*it)) (*it)->disconnect(this);
}

void MessageNode::assign(const MessageNode& other) {
    if (&other == this) return;
    Unwire();

    const std::vector<MessageNode*> otherSubscribers = other.subscribers_;
    for (MessageNode* node : otherSubscribers)
        if (other.hasSubscriber(node)) node->connect(this);
    const std::vector<MessageNode*> otherSubscriptions = other.subscriptions_;
    for (MessageNode* node : otherSubscriptions)
        if (other.hasSubscription(node)) connect(node);
}

MessageNode::~MessageNode() {
    // Calls made from here reach this class's own operations (the derived part is gone), while the
    // other nodes' overrides of receive and disconnect still run.
    Message message(Message::kDestroyed);
    message.origin = message.sender = this;
    DeliverToSubscribers(message);

    Unwire();

    // Whatever an overridden disconnect left behind, no other node may keep a pointer to this one.
    for (MessageNode* node : subscriptions_)
        if (Remove(node->subscribers_, this)) ++node->subscriberChanges_;
    for (MessageNode* node : subscribers_) Remove(node->subscriptions_, this);
}

} // namespace vex::util
