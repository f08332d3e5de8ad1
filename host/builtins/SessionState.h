#pragma once

#include "host/scene/Node.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vex::host::builtins {

/// What the built-in commands remember between calls that is not part of the scene: the node the
/// last createNode made (the node that plugs written as ".attr" name, as scene files use them), what
/// scene files declared through "requires" and "fileInfo", and the locked plugs.
class SessionState {
public:
    /// The one state of the process.
    static SessionState& get();

    /// The node ".attr" plugs refer to; null when none was made or it is gone.
    NodePtr currentNode() const;
    void setCurrentNode(const NodePtr& node) { current_ = node; }

    /// "requires" entries: (plug-in or product, version), in the order they were given.
    const std::vector<std::pair<std::string, std::string>>& requirements() const { return requires_; }
    void addRequirement(const std::string& name, const std::string& version);
    /// "fileInfo" entries: (key, value); a key given again replaces its value.
    const std::vector<std::pair<std::string, std::string>>& fileInfo() const { return fileInfo_; }
    void setFileInfo(const std::string& key, const std::string& value);
    /// Forgets the requirements and the file information (before a scene file is read or written).
    void clearFileRecords();

    /// Whether a plug (node and attribute) is locked against setAttr.
    bool isLocked(const Node& node, const AttributeDefinition& attribute) const;
    void setLocked(const Node& node, const AttributeDefinition& attribute, bool locked);

private:
    SessionState() = default;

    std::weak_ptr<Node> current_;
    std::vector<std::pair<std::string, std::string>> requires_;
    std::vector<std::pair<std::string, std::string>> fileInfo_;
    std::set<std::pair<std::uint64_t, const AttributeDefinition*>> locked_;
};

} // namespace vex::host::builtins
