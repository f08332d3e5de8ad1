#include "host/builtins/SessionState.h"

namespace vex::host::builtins {

SessionState& SessionState::get() {
    static SessionState state;
    return state;
}

NodePtr SessionState::currentNode() const {
    auto node = m_current.lock();
    return node && node->isAlive() ? node : nullptr;
}

void SessionState::addRequirement(const std::string& name, const std::string& version) {
    m_requires.emplace_back(name, version);
}

void SessionState::setFileInfo(const std::string& key, const std::string& value) {
    for (auto& entry : m_fileInfo)
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    m_fileInfo.emplace_back(key, value);
}

void SessionState::clearFileRecords() {
    m_requires.clear();
    m_fileInfo.clear();
}

bool SessionState::isLocked(const Node& node, const AttributeDefinition& attribute) const {
    return m_locked.count({node.serial(), &attribute}) > 0;
}

void SessionState::setLocked(const Node& node, const AttributeDefinition& attribute, bool locked) {
    if (locked)
        m_locked.insert({node.serial(), &attribute});
    else
        m_locked.erase({node.serial(), &attribute});
}

} // namespace vex::host::builtins
