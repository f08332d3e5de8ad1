#pragma once

#include "host/scene/Node.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vex::host::builtins {

/// What a scene file said about a node that the host does not interpret: whether the file made it as
/// a shared node ("createNode -s", merged with a node of that name when one exists) and the file's
/// statements about it the host keeps as written (attributes it does not know, uuids, locks), in file
/// order, to write them back unchanged.
struct KeptText {
    bool shared = false;
    std::vector<std::string> lines;
};

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
    /// Statements of the last file read that concern no node of the scene (settings of nodes the host
    /// does not have, their connections, relationships), in file order, to be written back unchanged.
    const std::vector<std::string>& KeptLines() const { return kept_; }
    std::vector<std::string>& KeptLines() { return kept_; }
    void SetKeptLines(std::vector<std::string> lines) { kept_ = std::move(lines); }
    /// The kept file text of a node, made empty on first use. A deleted node's stays, for undo to bring
    /// back with the node.
    KeptText& KeptFor(const Node& node) { return nodeKept_[node.Serial()]; }
    /// The kept file text of a node, or null when it has none.
    const KeptText* FindKept(const Node& node) const;
    /// Forgets the requirements, the file information and the kept statements (before a scene file is read or
    /// written).
    void ClearFileRecords();
    /// Forgets the kept file text and the locks of every node, the current node and the meshes'
    /// unfinished lists (MeshForms::ForgetDrafts): for a new scene, once the nodes they belonged to are
    /// gone for good (without it a session that opens scene after scene would keep the file text of
    /// every node it ever read).
    void ForgetNodeRecords();

    /// Whether a plug (node and attribute) is locked against setAttr.
    bool IsLocked(const Node& node, const AttributeDefinition& attribute) const;
    void SetLocked(const Node& node, const AttributeDefinition& attribute, bool locked);

private:
    SessionState() = default;

    std::weak_ptr<Node> current_;
    std::vector<std::pair<std::string, std::string>> requires_;
    std::vector<std::pair<std::string, std::string>> fileInfo_;
    std::vector<std::string> kept_;
    std::map<std::uint64_t, KeptText> nodeKept_;
    std::set<std::pair<std::uint64_t, const AttributeDefinition*>> locked_;
};

} // namespace vex::host::builtins
