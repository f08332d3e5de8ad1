#pragma once

#include <string>

namespace vex::orb::core {

/// The owner of the scene nodes a tool creates: the tool instance. Hosts name the nodes after it.
class NodeOwner {
public:
    /// The name shown to the user; host node names start with it.
    virtual std::string getDisplayName() const = 0;

protected:
    ~NodeOwner() = default;
};

} // namespace vex::orb::core
