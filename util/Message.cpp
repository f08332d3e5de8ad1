#include "util/Message.h"

#include <utility>

namespace vex::util {

Message::Attachment::~Attachment() = default;

Message::Message(int32_t messageCode, int32_t firstArgument, int64_t secondArgument)
    : code(messageCode), parameter(firstArgument), value(secondArgument) {}

Message::~Message() {
    // Later attachments may refer to earlier ones, so they go first.
    while (!attachments_.empty()) attachments_.pop_back();
}

void Message::Attach(std::unique_ptr<Attachment> attachment) {
    if (attachment) attachments_.push_back(std::move(attachment));
}

Message::Attachment* Message::GetAttachment(size_t index) const {
    return index < attachments_.size() ? attachments_[index].get() : nullptr;
}

} // namespace vex::util
