#pragma once

#include "interface/CCamera.h"
#include "interface/CInterface.h"
#include "plugins/common/RecordField.h"
#include "plugins/common/ToolPage.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace vex::orb {
class SceneNode;
}

namespace vex::orb::addon {

/// The shape the compiled tools share: a tool object that is its own page callback, owns scene nodes
/// created in a fixed order, declares its configuration page as a table and saves its state as a table
/// of named fields. A tool states only what is its own: its nodes, Page(), RecordFields() and the
/// simulation; the lifecycle operations below serve the rest.
class CToolObject : public CCamera, public CInterface::Callback {
public:
    /// A tool named by `param` whose scene nodes are `nodes`, in the order they are created (a parent
    /// before its children). The nodes are members of the derived tool; only their addresses are kept,
    /// and a null entry (a node this kind of tool goes without) is left out.
    CToolObject(const CreateParam& param, std::initializer_list<SceneNode*> nodes);

    /// Refreshes the configuration page.
    void timeChanged(double t) override;
    /// Declares the input channels (declareChannels), then Page(), then the outputs (declareOutputs), and
    /// refreshes the page.
    int buildConfiguration() override;
    /// Creates every node in order, lets the tool finish (created), and refreshes the page.
    int initialize() override;
    /// Finds every node by name, reads RecordFields() from the saved record when there is one, lets
    /// the tool finish (restored) and refreshes the page; 1 when a node is missing, else 0.
    int restore() override;
    /// Writes RecordFields() as a record called RecordName() into the tool data.
    int store() override;
    /// The run is over: every field of RecordFields() that grew a frame at a time gives back its
    /// growth slack, which in an hour's take is as much again as the record. A tool that ends a run
    /// of its own way calls this as well.
    void end() override;

    /// The configuration page, group by group, bound to this tool's variables.
    virtual ToolPage Page() = 0;
    /// The name of the saved-state record; a tool that keeps a fixed-size record of its own overrides
    /// restore and store instead.
    virtual std::string RecordName() const { return {}; }
    /// The saved-state fields in record order; none by default.
    virtual std::vector<RecordField> RecordFields() { return {}; }

protected:
    /// Declares the input channels the page does not make; none by default.
    virtual void DeclareChannels() {}
    /// Declares the tool's output controls once the page exists; none by default.
    virtual void DeclareOutputs() {}
    /// Called by initialize once the nodes exist; nothing by default.
    virtual void Created() {}
    /// Called by restore after the record was read (`fromRecord` tells whether there was one).
    virtual void Restored(bool fromRecord) { (void)fromRecord; }

private:
    std::vector<SceneNode*> nodes_;
};

} // namespace vex::orb::addon
