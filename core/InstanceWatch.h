#pragma once

#include "util/MessageNode.h"

#include <functional>

namespace vex::orb::core {

class Instance;

/// Listens to one tool instance for a window that shows it: told when the instance's input
/// configuration changed (a profile was loaded) and when the instance goes away.
class InstanceWatch : public util::MessageNode {
public:
    InstanceWatch(std::function<void()> changed, std::function<void()> gone)
        : changed_(std::move(changed)), gone_(std::move(gone)) {}

    /// Listens to `instance` from now on, and to no other; null stops listening.
    void Watch(Instance* instance);
    /// The instance's messages.
    void receive(util::Message& message, bool broadcast) override;

private:
    std::function<void()> changed_;
    std::function<void()> gone_;
    util::MessageNode* watched_ = nullptr;
};

} // namespace vex::orb::core
