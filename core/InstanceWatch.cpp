#include "core/InstanceWatch.h"

#include "core/Instance.h"

namespace vex::orb::core {

void InstanceWatch::Watch(Instance* instance) {
    util::MessageNode* node = instance;
    if (node == watched_) return;
    if (watched_ != nullptr) disconnect(watched_);
    watched_ = node;
    if (node != nullptr) connect(node);
}

void InstanceWatch::receive(util::Message& message, bool /*broadcast*/) {
    if (watched_ == nullptr || message.origin != watched_) return;
    if (message.code == Instance::kInputConfigurationChanged) {
        if (changed_) changed_();
    } else if (message.code == util::Message::kDestroyed) {
        // The instance unsubscribes its listeners itself as it goes.
        watched_ = nullptr;
        if (gone_) gone_();
    }
}

} // namespace vex::orb::core
