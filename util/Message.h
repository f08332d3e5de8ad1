#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vex::util {

class MessageNode;

/// A notification travelling through the message network: what happened (code, parameter, value)
/// and who handled it (origin, sender, receiver). Negative codes belong to the network itself;
/// positive codes to the subsystem that sends them. Messages are built by the sender, usually on
/// the stack, and handed to the nodes by reference; they are neither copied nor moved.
class Message {
public:
    /// Base of the objects a message can carry along; the message owns and destroys them.
    class Attachment {
    public:
        virtual ~Attachment();
    };

    /// Sent by a node to the node it has just subscribed to.
    static constexpr int32_t kSubscribed = -1;
    /// Sent by a node to the node it is unsubscribing from.
    static constexpr int32_t kUnsubscribed = -2;
    /// Broadcast by a node to its subscribers while it is being destroyed.
    static constexpr int32_t kDestroyed = -3;

    /// A message with the given code and arguments; origin, sender and receiver start null and it
    /// carries no attachments.
    explicit Message(int32_t code, int32_t parameter = 0, int64_t value = 0);
    Message(const Message&) = delete;
    Message& operator=(const Message&) = delete;
    /// Destroys the attachments, the last added first.
    virtual ~Message();

    /// Hands `attachment` to the message, which destroys it with itself. Null is ignored.
    void Attach(std::unique_ptr<Attachment> attachment);
    /// Number of attachments.
    size_t GetAttachmentCount() const { return attachments_.size(); }
    /// The attachment at `index` in the order they were added; null when out of range.
    Attachment* GetAttachment(size_t index) const;

    /// The node that first sent the message.
    MessageNode* origin = nullptr;
    /// The node that delivered it last (differs from origin when a node passes it on).
    MessageNode* sender = nullptr;
    /// What happened.
    int32_t code;
    /// First argument (for component events: the component's id).
    int32_t parameter;
    /// Second argument.
    int64_t value;
    /// During a delivery to subscribers, the subscriber currently being served.
    MessageNode* receiver = nullptr;

private:
    std::vector<std::unique_ptr<Attachment>> attachments_;
};

} // namespace vex::util
