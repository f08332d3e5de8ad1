#include "host/builtins/SessionState.h"

#include "host/builtins/MeshForms.h"

namespace vex::host::builtins {

SessionState& SessionState::get() {
    static SessionState state;
    return state;
}

NodePtr SessionState::CurrentNode() const {
    auto node = current_.lock();
    return node && node->IsAlive() ? node : nullptr;
}

void SessionState::AddRequirement(const std::string& name, const std::string& version) {
    requires_.emplace_back(name, version);
}

void SessionState::SetFileInfo(const std::string& key, const std::string& value) {
    for (auto& entry : fileInfo_)
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    fileInfo_.emplace_back(key, value);
}

const KeptText* SessionState::FindKept(const Node& node) const {
    const auto found = nodeKept_.find(node.Serial());
    return found == nodeKept_.end() ? nullptr : &found->second;
}

void SessionState::ClearFileRecords() {
    requires_.clear();
    fileInfo_.clear();
    kept_.clear();
}

void SessionState::ForgetNodeRecords() {
    MeshForms::ForgetDrafts();
    current_.reset();
    nodeKept_.clear();
    locked_.clear();
}

bool SessionState::IsLocked(const Node& node, const AttributeDefinition& attribute) const {
    return locked_.count({node.Serial(), &attribute}) > 0;
}

void SessionState::SetLocked(const Node& node, const AttributeDefinition& attribute, bool locked) {
    if (locked)
        locked_.insert({node.Serial(), &attribute});
    else
        locked_.erase({node.Serial(), &attribute});
}

} // namespace vex::host::builtins
