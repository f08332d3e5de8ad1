#pragma once

#include "host/command/CommandCall.h"
#include "host/command/Value.h"

#include <map>
#include <optional>
#include <string>

namespace vex::host::file {

/// Turns the node names a scene file uses into the names its nodes really get while the file is read.
/// Names the file defines with createNode are looked up in what the scene made of them (a clash gets a
/// number appended), imported names go into the import's namespace ("ns:name"), and names written with
/// a leading ":" name the scene's own nodes (the default cameras, lambert1, initialShadingGroup) and are
/// never renamed. Only the arguments that name nodes or plugs are touched, so string values stay as
/// they are.
class NameMapper {
public:
    /// `nameSpace` is "" for no namespace; `importing` makes the file leave the scene's own nodes and
    /// settings (time, playback range, up axis) alone.
    NameMapper(std::string nameSpace, bool importing)
        : nameSpace_(std::move(nameSpace)), importing_(importing) {}

    /// Rewrites the names of one call. Answers false when the call is to be skipped altogether.
    bool Rewrite(command::CommandCall& call) const;
    /// Learns the name a createNode call really gave its node (`result`), given the name the file used.
    void Learn(const command::CommandCall& original, const command::Value& result);

    /// The scene name of a node named `name` in the file.
    std::string MapName(const std::string& name) const;
    /// The scene path of a DAG path ("a|b", "|a|b") written in the file.
    std::string MapPath(const std::string& path) const;
    /// The scene plug of a plug ("node.attr[1]"); a plug of the current node (".attr") stays.
    std::string MapPlug(const std::string& plug) const;

    /// Where the plug of a setAttr call is among its arguments; none when it names none.
    static std::optional<std::size_t> SetAttrPlug(const command::CommandCall& call);
    /// Where the node of an addAttr call is among its arguments; none when it names none (the
    /// attribute goes to the node the file made or selected last).
    static std::optional<std::size_t> AddAttrNode(const command::CommandCall& call);

private:
    std::string nameSpace_;
    bool importing_;
    std::map<std::string, std::string> defined_;
};

} // namespace vex::host::file
