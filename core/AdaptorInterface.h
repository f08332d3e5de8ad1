#pragma once

#include "core/CoreNode.h"
#include "interface/CMesh.h"
#include "interface/CUndo.h"
#include "interface/InterfaceVersion.h"
#include "util/ReturnValue.h"
#include "util/xml/Element.h"

#include <string>
#include <utility>
#include <vector>

namespace vex::orb::core {

class NodeOwner;

/// The one object through which the core and the tools reach the host application: scene nodes,
/// time and playback range, undo, the host's window and message boxes. Times are seconds, lengths
/// metres in a right-handed Y-up world, matrices row-vector 4x4. Exactly one exists per process.
class AdaptorInterface {
public:
    /// The only interface version the core starts for.
    static constexpr int kInterfaceVersion = orb::kInterfaceVersion;

    /// Opaque handle of a native window.
    using NativeWindow = void*;
    /// A playback range: start, end in seconds.
    using TimeRange = std::pair<double, double>;

    /// The version of this interface the host speaks.
    virtual int getInterfaceVersion() = 0;
    /// A human-readable name of the adaptor.
    virtual std::string getDisplayName() = 0;
    /// This host's folder below the user data root (holds settings.xml).
    virtual std::string getHostFolderName() = 0;
    /// The host application's name.
    virtual std::string getHostName() = 0;
    /// The host application's version.
    virtual std::string getHostVersion() = 0;
    /// Host names from the most specific to the most general: name_version, then name.
    virtual void getHostNameVariants(util::ReturnValue<std::vector<std::string>>& out) {
        out.set({getHostName() + "_" + getHostVersion(), getHostName()});
    }
    /// The host's main window, parent of every window of the system.
    virtual NativeWindow getMainWindow() = 0;
    /// Creates a camera (transform and camera shape) under `parent` or at the world root, named
    /// owner + "_" + name (+ "Transform" for the transform); registered, handed to `listener`, undoable.
    virtual CoreNode* createCamera(NodeOwner* owner, const std::string& name, CoreNode* parent,
                                   NodeListener* listener) = 0;
    /// Creates a polygon helper object from the triangles of `mesh`, named like createCamera.
    virtual CoreNode* createMesh(NodeOwner* owner, const std::string& name, CoreNode* parent,
                                 const util::CMesh& mesh, NodeListener* listener) = 0;
    /// Reserved; answers null.
    virtual void* Reserved() { return nullptr; }
    /// The first registered node of `owner` created under exactly `name`; null when none.
    virtual CoreNode* findNode(NodeOwner* owner, const std::string& name) = 0;
    /// Writes the persistent identification of every live node of `owner` into the host scene.
    virtual void storeNodeTags(NodeOwner* owner) = 0;
    /// After a scene was opened: reads the identification back and rebuilds the instances.
    virtual void gatherScene() = 0;
    /// Every registered node that is not detached, in registration order.
    virtual void getAllNodes(NodeList& out) = 0;
    /// The registered nodes of `owner`, in registration order.
    virtual void getNodesOf(NodeOwner* owner, NodeList& out) = 0;
    /// The nodes of one instance found by their persistent identification, in the listing's order.
    virtual void findTaggedNodes(const std::string& instanceName, const util::xml::Element& listing,
                                 NodeList& out) = 0;
    /// Imports another scene file and hands out the system nodes it brought, as one undo step.
    virtual void mergeScene(const std::string& path, NodeList& out) = 0;
    /// Opens an undo group; groups nest and only the outermost is committed.
    virtual void beginUndoGroup(const std::string& label) = 0;
    /// Records `unit` in the open group (false: taken); outside a recording group the unit is
    /// destroyed at once and the answer is true.
    virtual bool addUndoUnit(CUndo* unit) = 0;
    /// Closes the innermost group; closing the outermost commits it, or discards it if cancelled.
    virtual bool endUndoGroup() = 0;
    /// Cancels the whole outermost group, then closes the innermost.
    virtual bool cancelUndoGroup() = 0;
    /// True while a group is open and the host records undo.
    virtual bool isUndoRecording() = 0;
    /// Performs the host's undo once.
    virtual bool undo() = 0;
    /// Performs the host's redo once.
    virtual bool redo() = 0;
    /// The host's current time.
    virtual double getCurrentTime() = 0;
    /// Moves the host to `t`; while the core records, brings every driven node up to date at `t`.
    virtual void setCurrentTime(double t) = 0;
    /// Tells the host the current slow-motion factor.
    virtual void slowFactorChanged(int factor) { (void)factor; }
    /// The host's playback range.
    virtual TimeRange getPlaybackRange() = 0;
    /// Sets the playback start, then the end (passed on unchanged, even when start > end).
    virtual void setPlaybackRange(TimeRange range) = 0;
    /// Whether the host can follow a real-time recording; answers true.
    virtual bool CanRecordRealTime() { return true; }
    /// Frames per second of the host's time unit; 0 for a unit it does not know.
    virtual double getFramesPerSecond() = 0;
    /// 1 / getFramesPerSecond() (infinite for an unknown unit).
    virtual double getFrameDuration() { return 1.0 / getFramesPerSecond(); }
    /// Redraws the host's views.
    virtual void refreshViews() = 0;
    /// A window of the system opened.
    virtual void windowOpened() {}
    /// A window of the system closed.
    virtual void windowClosed() {}
    /// Recording starts for these owners: remembers the time for undo and starts the buffered
    /// track of every animated node at the current time.
    virtual void prepareRecording(const std::vector<NodeOwner*>& owners) = 0;
    /// Installs the run-time hot keys; idempotent. Answers 0.
    virtual int installRunHotkeys() = 0;
    /// Recording ended: cleans up the recorded rotation curves as one undo step.
    virtual void finishRecording() = 0;
    /// Empties the adaptor's private undo bookkeeping. Answers 0.
    virtual int clearUndo() = 0;
    /// Host-specific settings for the main configuration.
    virtual void getHostSettings(util::ReturnValue<util::xml::Element>& out) = 0;
    /// Counterpart of getHostSettings.
    virtual void setHostSettings(const util::xml::Element& settings) = 0;
    /// A modal message box with one "Ok" button.
    virtual bool showMessage(const std::string& message, const std::string& title) = 0;
    virtual ~AdaptorInterface() = default;
};

} // namespace vex::orb::core
