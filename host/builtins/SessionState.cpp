#include "host/builtins/SessionState.h"

namespace vex::host::builtins {

SessionState& SessionState::get() {
    static SessionState state;
    return state;
}

NodePtr SessionState::currentNode() const {
    auto node = current_.lock();
    return node && node->isAlive() ? node : nullptr;
}

void SessionState::addRequirement(const std::string& name, const std::string& version) {
    requires_.emplace_back(name, version);
}

void SessionState::setFileInfo(const std::string& key, const std::string& value) {
    for (auto& entry : fileInfo_)
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    fileInfo_.emplace_back(key, value);
}

void SessionState::clearFileRecords() {
    requires_.clear();
    fileInfo_.clear();
}

bool SessionState::isLocked(const Node& node, const AttributeDefinition& attribute) const {
    return locked_.count({node.serial(), &attribute}) > 0;
}

void SessionState::setLocked(const Node& node, const AttributeDefinition& attribute, bool locked) {
    if (locked)
        locked_.insert({node.serial(), &attribute});
    else
        locked_.erase({node.serial(), &attribute});
}

} // namespace vex::host::builtins
