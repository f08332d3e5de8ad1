#pragma once

#include "interface/CExtendable.h"
#include "interface/CMesh.h"
#include "interface/CNode.h"
#include "interface/CSnapshot.h"
#include "interface/CSnapshot_Helper.h"
#include "interface/CSnapshot_Lens.h"
#include "interface/CSnapshot_Mesh.h"
#include "interface/CSnapshot_Shape.h"
#include "interface/CUndo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vex::unidevice {
class Property;
class PropertyFactory;
} // namespace vex::unidevice

namespace vex::orb {

/// What a tool object calls back: its configuration page and input channels, the host scene, its
/// saved-state buffer and a few services. The tool's instance implements it. Strings pass by value;
/// null nodes and snapshots are ignored (null or 0 is answered).
class CInterface : public CExtendable {
public:
    /// Notifications from the configuration page and from undo and redo to the tool.
    class Callback {
    public:
        /// An item named `name` changed or was pressed, or an undo/redo event string arrived.
        virtual void onEvent(std::string name) { (void)name; }
        /// Reserved notifications; no tool uses them.
        virtual void OnReserved1() {}
        virtual void OnReserved2() {}

    protected:
        ~Callback() = default;
    };

    /// Replaces the items of a combo box after it was added.
    class ComboUpdater {
    public:
        virtual void update(const std::vector<std::string>& items) = 0;

    protected:
        ~ComboUpdater() = default;
    };

    /// Extension ids a tool may call on its CInterface.
    enum Extension : int {
        kAddVirtualControl = 41, ///< adds a virtual control to the instance's own input device
        kWriteMasterNode = 56,   ///< writes the instance's place in the tree into an XML element
    };

    /// Hands an undo record to the host's undo queue; ownership passes.
    virtual void addUndo(CUndo* undo) = 0;
    /// Creates an input channel through `factory`, filed under `name` with kind `flags`.
    virtual unidevice::Property* addInputChannel(std::string name, uint32_t flags,
                                                 unidevice::PropertyFactory* factory) = 0;
    /// The input channel named `name`, or null.
    virtual unidevice::Property* findInputChannel(std::string name) = 0;
    /// Starts the configuration page (appended to an open one).
    virtual void beginConfiguration() = 0;
    /// Closes the page.
    virtual void endConfiguration() = 0;
    /// Appends a group to the current item and makes it current.
    virtual void beginGroup(std::string name, std::string help) = 0;
    /// Makes the parent of the current item current.
    virtual void endGroup() = 0;
    /// Appends an integer spinner bound to `value`; with `channel` also an input channel
    /// "Spinner: " + name that turns it.
    virtual void addIntSpinner(std::string name, std::string help, int* value, int min, int max, int step,
                               int32_t setting, bool channel, int reserved, Callback* callback) = 0;
    /// As addIntSpinner for a double.
    virtual void addSpinner(std::string name, std::string help, double* value, double min, double max,
                            double step, int32_t setting, bool channel, int reserved, Callback* callback) = 0;
    /// Appends a check box bound to `value`.
    virtual void addCheckBox(std::string name, std::string help, bool* value, Callback* callback) = 0;
    /// Appends a text box bound to `value`.
    virtual void addTextBox(std::string name, std::string help, std::string* value, Callback* callback) = 0;
    /// Appends a combo box bound to the selected index; the updater replaces its items later.
    virtual ComboUpdater* addComboBox(std::string name, std::string help, std::vector<std::string> items,
                                      int* value, Callback* callback) = 0;
    /// Appends a button; pressing it calls onEvent(name).
    virtual void addButton(std::string name, std::string help, Callback* callback) = 0;
    /// No effect.
    virtual void addSeparator() {}
    /// Makes the page show the current values of all bound variables.
    virtual void refreshConfiguration() = 0;
    /// Opens the instance's input configuration dialog.
    virtual void openInputConfiguration() = 0;
    /// The tool's folder: the data directory, "data" and the descriptor's folder name.
    virtual void getDataFolder(std::string& out) = 0;
    /// Replaces the saved-state buffer with a copy of `size` bytes.
    virtual void setToolData(const uint8_t* bytes, uint32_t size) = 0;
    /// The saved-state buffer (null when there is none) and its size (`size` may be null).
    virtual const uint8_t* getToolData(uint32_t* size) = 0;
    /// Frees the saved-state buffer.
    virtual int clearToolData() = 0;
    /// Removes the node from the host scene.
    virtual void deleteNode(CNode* node) = 0;
    /// The instance's host node created under `name`, or null.
    virtual CNode* findNode(std::string name) = 0;
    /// Creates a camera node under `parent` (null: the world); `listener` goes to the host unchanged.
    virtual CNode* createNode(std::string name, CNode* parent, void* listener) = 0;
    /// Creates a helper object from `mesh` under `parent`; `listener` goes to the host unchanged.
    virtual CNode* createMeshNode(std::string name, CNode* parent, const util::CMesh* mesh,
                                  void* listener) = 0;
    /// Frees the four arrays of `mesh`.
    virtual void freeMesh(std::string name, util::CMesh* mesh) = 0;
    /// The node's transform at `t`.
    virtual CSnapshot* getSnapshot(CNode* node, double t) = 0;
    /// The node's helper look.
    virtual CSnapshot_Helper* getHelperSnapshot(CNode* node) = 0;
    /// The node's geometry at `t`.
    virtual CSnapshot_Mesh* getMeshSnapshot(CNode* node, double t) = 0;
    /// The camera lens of the node at `t`.
    virtual CSnapshot_Lens* getLensSnapshot(CNode* node, double t) = 0;
    /// Hands snapshots back to the nodes that made them.
    virtual void releaseShapeSnapshot(CSnapshot_Shape* snapshot) = 0;
    virtual void releaseLensSnapshot(CSnapshot_Lens* snapshot) = 0;
    virtual void releaseMeshSnapshot(CSnapshot_Mesh* snapshot) = 0;
    virtual void releaseHelperSnapshot(CSnapshot_Helper* snapshot) = 0;
    virtual void releaseSnapshot(CSnapshot* snapshot) = 0;
    /// The host's current time in seconds.
    virtual double getCurrentTime() = 0;
    /// The host's frame rate.
    virtual double getFramesPerSecond() = 0;
    /// Seconds per frame: the tools' simulation step.
    virtual double getFrameDuration() = 0;
    /// Redraws the host's active view, except while re-simulating.
    virtual void refreshView() = 0;
    /// A modal message box; the low four bits of `flags` choose the buttons, the next the icon.
    virtual int messageBox(std::string title, std::string text, uint32_t flags) = 0;
    virtual ~CInterface() = default;
};

} // namespace vex::orb
