// A small plug-in the host tests load by path: one undoable command and one node type. Built a second
// time with HOST_TEST_PLUGIN_FAILS, its initializePlugin registers the command and then fails, so the
// host must take the registration back and unload it.
#include <maya/MArgList.h>
#include <maya/MFnPlugin.h>
#include <maya/MObject.h>
#include <maya/MPxCommand.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MSyntax.h>
#include <maya/MTypeId.h>

namespace {

// The plug-in's own state the command edits, so that undo and redo can be observed from outside.
int gTotal = 0;
// Node objects alive, reported through the command's -nodes flag.
int gNodeObjects = 0;

/// hostTestAdd -v/-value <int>: adds the value to the total, result = the new total.
/// hostTestAdd -q/-query: result = the total, not undoable.
/// hostTestAdd -nd/-nodes: result = the number of node objects alive, not undoable.
class HostTestAddCmd : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override {
        if (args.flagIndex("q", "query") != MArgList::kInvalidArgIndex) {
            setResult(gTotal);
            return MStatus::kSuccess;
        }
        if (args.flagIndex("nd", "nodes") != MArgList::kInvalidArgIndex) {
            setResult(gNodeObjects);
            return MStatus::kSuccess;
        }
        const unsigned int index = args.flagIndex("v", "value");
        MStatus status;
        if (index != MArgList::kInvalidArgIndex) amount_ = args.asInt(index + 1, &status);
        if (index == MArgList::kInvalidArgIndex || !status) {
            MStatus usage(MStatus::kInvalidParameter, "Usage: hostTestAdd -value <integer>");
            usage.perror("hostTestAdd");
            return usage;
        }
        setUndoable(true);
        return redoIt();
    }
    MStatus redoIt() override {
        gTotal += amount_;
        setResult(gTotal);
        return MStatus::kSuccess;
    }
    MStatus undoIt() override {
        gTotal -= amount_;
        return MStatus::kSuccess;
    }
    static void* Creator() { return new HostTestAddCmd; }
    static MSyntax Syntax() {
        MSyntax syntax;
        syntax.enableQuery();
        syntax.addFlag("-v", "-value", MSyntax::kLong);
        syntax.addFlag("-nd", "-nodes");
        return syntax;
    }

private:
    int amount_ = 0;
};

class HostTestNode : public MPxNode {
public:
    HostTestNode() { ++gNodeObjects; }
    ~HostTestNode() override { --gNodeObjects; }
    static void* Creator() { return new HostTestNode; }
    static MStatus initialize() { return MStatus::kSuccess; }
    static const MTypeId id;
};

const MTypeId HostTestNode::id(0x7f0a1, 0x01);

} // namespace

MStatus initializePlugin(MObject obj) {
    MFnPlugin plugin(obj, "Torva Labs tests", "1.5", "Any");
    MStatus status = plugin.registerCommand("hostTestAdd", HostTestAddCmd::Creator, HostTestAddCmd::Syntax);
    if (!status) return status;
#ifdef HOST_TEST_PLUGIN_FAILS
    return MStatus(MStatus::kFailure, "this plug-in always fails to initialise");
#else
    return plugin.registerNode("hostTestNode", HostTestNode::id, HostTestNode::Creator,
                               HostTestNode::initialize);
#endif
}

MStatus uninitializePlugin(MObject obj) {
    MFnPlugin plugin(obj);
    MStatus status = plugin.deregisterNode(HostTestNode::id);
    if (!status) return status;
    return plugin.deregisterCommand("hostTestAdd");
}
