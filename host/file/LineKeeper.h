#pragma once

#include "host/command/CommandCall.h"
#include "host/file/StatementSource.h"
#include "host/scene/Node.h"

#include <string>
#include <string_view>

namespace vex::host::file {

/// What the scene file reader knows of the node the file's ".attr" lines are about, and the keeping of
/// the statements it does not interpret. A kept statement goes, exactly as the file wrote it, to the
/// node it is about, or to the scene's own kept lines when the scene has no such node (the host's
/// render settings, time node, light links ...). Every statement kept is recorded in the open
/// journals, so a read that is taken back takes its kept statements back too.
class LineKeeper {
public:
    /// What the lines without a node name are about.
    enum class Context {
        kNode,          ///< the current node of the session (made or selected last)
        kMissing,       ///< a node the scene does not have: the lines are kept for the scene
        kSkipped,       ///< a shared node an import leaves as the scene has it: the lines are dropped
        kConfiguration, ///< the scene configuration script node, whose playback range is read
    };

    /// For the (scanned) text of the file being read.
    explicit LineKeeper(std::string_view text) : source_(text) {}

    Context GetContext() const { return context_; }
    void SetContext(Context context) { context_ = context; }

    /// The call's statement as the file wrote it; the call written out again when no single statement
    /// starts on its line.
    std::string TextOf(const command::CommandCall& call) const;
    /// Keeps the call's statement on `node`, or for the scene when `node` is null.
    void Keep(const NodePtr& node, const command::CommandCall& call) const;
    /// Keeps the call's statement where the context says: on the current node, for the scene, or not
    /// at all for a skipped node.
    void KeepHere(const command::CommandCall& call) const;

private:
    StatementSource source_;
    Context context_ = Context::kNode;
};

} // namespace vex::host::file
