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
    NodePtr CurrentNode() const;
    void SetCurrentNode(const NodePtr& node) { current_ = node; }

    /// "requires" entries: (plug-in or product, version), in the order they were given.
    const std::vector<std::pair<std::string, std::string>>& Requirements() const { return requires_; }
    void AddRequirement(const std::string& name, const std::string& version);
    /// "fileInfo" entries: (key, value); a key given again replaces its value.
    const std::vector<std::pair<std::string, std::string>>& FileInfo() const { return fileInfo_; }
    void SetFileInfo(const std::string& key, const std::string& value);
    /// Forgets the requirements and the file information (before a scene file is read or written).
    void ClearFileRecords();

    /// Whether a plug (node and attribute) is locked against setAttr.
    bool IsLocked(const Node& node, const AttributeDefinition& attribute) const;
    void SetLocked(const Node& node, const AttributeDefinition& attribute, bool locked);

private:
    SessionState() = default;

    std::weak_ptr<Node> current_;
    std::vector<std::pair<std::string, std::string>> requires_;
    std::vector<std::pair<std::string, std::string>> fileInfo_;
    std::set<std::pair<std::uint64_t, const AttributeDefinition*>> locked_;
};

} // namespace vex::host::builtins
