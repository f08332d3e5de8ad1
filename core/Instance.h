#pragma once

#include "core/FlagState.h"
#include "core/InstanceRecorder.h"
#include "core/InstanceVirtualDevice.h"
#include "core/NodeOwner.h"
#include "core/configadaptor/PageBuilder.h"
#include "interface/CInterface.h"
#include "unidevice/PropertyHandler.h"
#include "util/AVar_Linear.h"
#include "util/MessageNode.h"
#include "util/xml/Element.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vex::orb {
class CCamera;
}

namespace vex::orb::core {

class AdaptorInterface;
class InstanceReference;
class Tool;

/// One live use of a tool type: owns the tool object and implements the CInterface it calls back,
/// holds the tool's input channels with their recorded values and its runs in its recorder
/// (InstanceRecorder), and offers the tool's outputs as its own input device. It is also the owner
/// of the host nodes the tool creates, named after it.
///
/// Extensions a tool may call on it (data, answer):
///   38  std::string*           receives the instance name; 1
///   39  int*                   receives 1 while a recording or re-simulation runs, else 0; 1
///   41  unidevice::Property*   the tool's output channel: a virtual control named after it is added
///                              and fed from it on every step; the control's index + 1
///   43  int*                   receives 1 while a re-simulation runs, else 0; 1
///   55  std::string*           receives the tool type's identifier; 1
///   56  util::xml::Element*    becomes "masternode" with "parent" (the parent instance's name, empty
///                              at the top) and "childindex"; 1
///   58  util::xml::Element*    receives the instance's description without recorded values; 1
///   60  std::string*           receives the name of the current configuration profile; 1
/// Every other id answers 0.
///
/// The configuration page operations go to the instance's page builder, which owns the page; a
/// spinner declared with an input channel gets the channel "Spinner: " + its name (kind 14), and
/// while that channel is bound every step turns the spinner to the channel's value.
class Instance : public InstanceVirtualDevice, public CInterface, public util::MessageNode, public NodeOwner {
public:
    enum Extension : int {
        kGetName = 38,
        kIsRunning = 39,
        kIsResimulating = 43,
        kGetType = 55,
        kGetDescription = 58,
        kGetProfileName = 60,
    };
    /// The option bits of WriteDescription.
    enum DescriptionOption : int {
        kWithRecordedValues = 1 << 0,
    };
    /// Marks a node the saved description names but the scene does not hold.
    static constexpr const char* kNotFound = "(NOTFOUND)";
    /// Code of the message the instance broadcasts to its listeners when its input bindings changed.
    static constexpr int32_t kInputConfigurationChanged = 154;
    /// Text of the message shown when required nodes are missing; the names follow, one a line.
    static constexpr const char* kMissingNodesMessage =
        "Some nodes required for this plugin was not found in the scene. Please make sure all required "
        "nodes are present.\nThe following nodes were not found:\n\n";

    /// An instance of `tool` named `name`, without a tool object yet (see Create).
    Instance(Tool& tool, const std::string& name);
    /// Releases the tool object and lets go of its host nodes (tagged, left in the scene), then the
    /// page, the channels and the device.
    ~Instance() override;

    /// Makes the tool object and has it declare its configuration: a new instance is initialised;
    /// one with a saved `description` gets its saved state and restores. Null when the object
    /// cannot be made or a step answers non-zero. A copy of `cloneOf` gets copies of its host nodes
    /// before it restores, so the copy finds nodes of its own.
    static std::unique_ptr<Instance> Create(Tool& tool, const std::string& name,
                                            const util::xml::Element* description,
                                            NodeOwner* cloneOf = nullptr);

    /// The instance name.
    const std::string& GetName() const { return name_; }
    /// Renames the instance, its tool object and its host nodes.
    void Rename(const std::string& name);
    /// The tool type the instance was made from.
    Tool& GetTool() const { return tool_; }
    /// The tool object.
    CCamera* GetObject() const { return object_; }
    /// The tree image of the tool's category.
    std::string GetTreeIcon() const;
    /// The tree item holding the instance (set by the item).
    InstanceReference* GetReference() const { return reference_; }
    void SetReference(InstanceReference* reference) { reference_ = reference; }
    /// The input channels in declaration order.
    const unidevice::PropertyHandler& GetInputChannels() const { return recorder_.GetChannels(); }
    /// The recorded values of the channel at `index`.
    const util::AVar_Linear<double>& GetRecordedValues(int index) const {
        return recorder_.GetRecordedValues(index);
    }
    /// Exchanges the recorded values of all channels with `values` (undo of a recording); nothing
    /// when the channel count differs.
    void SwapRecordedValues(std::vector<util::AVar_Linear<double>>& values) {
        recorder_.SwapRecordedValues(values);
    }
    /// The names of required nodes the last restore did not find.
    const std::vector<std::string>& GetMissingNodes() const { return missing_; }
    /// Whether the tool made `node` itself as a helper mesh (its low-poly display), or made it at all
    /// (helpers and cameras). The instance's other nodes (those of a pre-rigged model, adopted ones)
    /// are its models, the high-poly display. Pointers are only compared, never followed.
    bool IsHelperNode(const CNode* node) const;
    bool IsMadeByTool(const CNode* node) const;
    /// The current configuration and input profile names.
    const std::string& GetConfigProfileName() const { return configProfile_; }
    void SetConfigProfileName(const std::string& name) { configProfile_ = name; }
    const std::string& GetInputProfileName() const { return inputProfile_; }

    /// Makes `profile` the page's configuration profile ("configprofile", version "2.0") named `name`.
    void WriteConfiguration(util::xml::Element& profile, const std::string& name) const;
    /// Puts the values of a configuration profile into the bound variables; its "name" becomes the
    /// current profile name. A profile read from an older form is loaded with a message saying so,
    /// unless `quiet`.
    void LoadConfiguration(const util::xml::Element& profile, bool quiet = false);
    /// Applies an input profile ("profile", or "inputprofile" wrapping one) to the input channels,
    /// makes its name the current input profile name and tells the listeners
    /// (kInputConfigurationChanged). Answers the number of bindings whose control is not present,
    /// or unidevice::InputProfile::kNotAProfile, nothing changed, for another element.
    int LoadInputProfile(const util::xml::Element& profile);
    /// Makes `profile` the input profile of the channels named `name`.
    void WriteInputProfile(util::xml::Element& profile, const std::string& name) const;

    // The profiles of the instance's tool type, by name: what the windows and the host commands do
    // when the user names a profile.
    /// Loads the configuration profile `name` and shows its values; false when it cannot be read.
    bool LoadConfigProfileNamed(const std::string& name);
    /// Saves the current values as the user's configuration profile `name`, which becomes current;
    /// false when it cannot be written.
    bool SaveConfigProfileAs(const std::string& name);
    /// Loads the input profile `name` (LoadInputProfile's answer); nullopt when it cannot be read.
    std::optional<int> LoadInputProfileNamed(const std::string& name);
    /// Saves the channels' bindings as the user's input profile `name`; false when it cannot be written.
    bool SaveInputProfileAs(const std::string& name);
    /// Writes the instance part of its "VXB_Plugin" description into `element` (children excluded).
    void WriteDescription(util::xml::Element& element, int options);
    /// The value of the configuration item with parameter id `id` (the page numbers its items from
    /// 0 in declaration order), read from the tool variable it is bound to; 0 for an unknown id.
    /// Template tools read other instances through it.
    double ReadById(int id) const;
    /// Writes `value` into the item `id` as a user edit would (undoable, the tool told); false for
    /// an unknown id.
    bool WriteById(int id, double value);
    /// Writes `value` into the item `id` as WriteById does but without an undo step: a script's write
    /// during a take, which is undone as a whole. False for an unknown id.
    bool AssignById(int id, double value);
    /// Whether the instance takes part in runs: it is in the instance tree with its record box on.
    bool IsActive() const;
    /// The configuration page; null before the tool declared one.
    configadaptor::element::Root* GetPage() const { return page_.GetPage(); }

    /// A run starts at `time`: the tool begins; a live run prepares the recorded values from `time`
    /// on (undoably), a re-simulation binds each channel to a "Temporary control" replaying them.
    void BeginRecord(double time, bool resimulate) { recorder_.BeginRecord(time, resimulate); }
    /// One tick: records or replays every channel, turns the spinners of bound spinner channels,
    /// feeds the virtual controls, steps the tool.
    void Step(double time) { recorder_.Step(time); }
    /// What went wrong in the tool's last step (it threw, or handed the host a value that is not a
    /// number); empty when nothing did.
    const std::string& GetStepFault() const { return recorder_.GetFault(); }
    /// The run ends: the tool ends; after a re-simulation every channel gets its live control back.
    void EndRecord() { recorder_.EndRecord(); }
    /// The host time moved outside a run.
    void TimeChanged(double time);

    // --- NodeOwner ---
    std::string getDisplayName() const override { return name_; }
    /// One "masternode": the description with recorded values, "parent" and "childindex".
    void WriteMasterNodes(util::xml::Element& masternodes) override;
    /// Deletes the instance through the core ("Delete Torva Tool").
    bool DeleteByUser() override;

    // --- CExtendable ---
    int extension(int id, void* data) override;
    std::vector<int32_t> getExtensionIds() const override;

    // --- CInterface ---
    void addUndo(CUndo* undo) override;
    unidevice::Property* addInputChannel(std::string name, uint32_t flags,
                                         unidevice::PropertyFactory* factory) override;
    unidevice::Property* findInputChannel(std::string name) override;
    void beginConfiguration() override { page_.beginConfiguration(); }
    void endConfiguration() override { page_.endConfiguration(); }
    void beginGroup(std::string name, std::string help) override;
    void endGroup() override { page_.endGroup(); }
    void addIntSpinner(std::string name, std::string help, int* value, int min, int max, int step,
                       int32_t setting, bool channel, int reserved, Callback* callback) override;
    void addSpinner(std::string name, std::string help, double* value, double min, double max, double step,
                    int32_t setting, bool channel, int reserved, Callback* callback) override;
    void addCheckBox(std::string name, std::string help, bool* value, Callback* callback) override;
    void addTextBox(std::string name, std::string help, std::string* value, Callback* callback) override;
    ComboUpdater* addComboBox(std::string name, std::string help, std::vector<std::string> items, int* value,
                              Callback* callback) override;
    void addButton(std::string name, std::string help, Callback* callback) override;
    void refreshConfiguration() override { page_.refreshConfiguration(); }
    /// Opens the input configuration dialog on this instance's channels.
    void openInputConfiguration() override;
    void getDataFolder(std::string& out) override;
    void setToolData(const uint8_t* bytes, uint32_t size) override;
    const uint8_t* getToolData(uint32_t* size) override;
    int clearToolData() override;
    void deleteNode(CNode* node) override;
    CNode* findNode(std::string name) override;
    CNode* createNode(std::string name, CNode* parent, void* listener) override;
    CNode* createMeshNode(std::string name, CNode* parent, const util::CMesh* mesh, void* listener) override;
    void freeMesh(std::string name, util::CMesh* mesh) override;
    CSnapshot* getSnapshot(CNode* node, double t) override;
    CSnapshot_Helper* getHelperSnapshot(CNode* node) override;
    CSnapshot_Mesh* getMeshSnapshot(CNode* node, double t) override;
    CSnapshot_Lens* getLensSnapshot(CNode* node, double t) override;
    void releaseShapeSnapshot(CSnapshot_Shape* snapshot) override;
    void releaseLensSnapshot(CSnapshot_Lens* snapshot) override;
    void releaseMeshSnapshot(CSnapshot_Mesh* snapshot) override;
    void releaseHelperSnapshot(CSnapshot_Helper* snapshot) override;
    void releaseSnapshot(CSnapshot* snapshot) override;
    double getCurrentTime() override;
    double getFramesPerSecond() override;
    double getFrameDuration() override;
    void refreshView() override;
    int messageBox(std::string title, std::string text, uint32_t flags) override;

private:
    // Puts the saved state of `description` back and restores the tool; its answer.
    int Restore(const util::xml::Element& description);
    // Takes over the host nodes the description lists, tagged for the instance `taggedName` (hosts
    // that find nodes by their tags); nodes tagged for another name are renamed after this one.
    void AdoptListedNodes(const util::xml::Element& nodeinfo, const std::string& taggedName);
    // Copies the host node hierarchies of `source` for this instance, named after this instance.
    void CloneNodesFrom(NodeOwner* source);
    // Shows which required nodes are missing.
    void ReportMissingNodes();

    Tool& tool_;
    CCamera* object_ = nullptr;
    std::string name_;
    InstanceReference* reference_ = nullptr;
    // The channels, their recorded values and the run; the page's spinner channels are filed there.
    InstanceRecorder recorder_{*this};
    configadaptor::PageBuilder page_;
    std::vector<uint8_t> toolData_;
    bool hasToolData_ = false;
    std::string configProfile_;
    std::string inputProfile_;
    std::vector<std::string> missing_;
    // The nodes the tool made: helper meshes, and cameras.
    std::vector<const CNode*> helpers_;
    std::vector<const CNode*> cameras_;
    bool restoring_ = false;
};

} // namespace vex::orb::core
