#pragma once

#include "interface/CInterface.h"

namespace vex::orb::test {

/// A CInterface whose operations do nothing and answer null or 0: tests derive from it and override
/// only the operations they watch.
class StubCoreInterface : public CInterface {
public:
    void addUndo(CUndo* undo) override { undo->release(); }
    unidevice::Property* addInputChannel(std::string, uint32_t, unidevice::PropertyFactory*) override {
        return nullptr;
    }
    unidevice::Property* findInputChannel(std::string) override { return nullptr; }
    void beginConfiguration() override {}
    void endConfiguration() override {}
    void beginGroup(std::string, std::string) override {}
    void endGroup() override {}
    void addIntSpinner(std::string, std::string, int*, int, int, int, int32_t, bool, int,
                       Callback*) override {}
    void addSpinner(std::string, std::string, double*, double, double, double, int32_t, bool, int,
                    Callback*) override {}
    void addCheckBox(std::string, std::string, bool*, Callback*) override {}
    void addTextBox(std::string, std::string, std::string*, Callback*) override {}
    ComboUpdater* addComboBox(std::string, std::string, std::vector<std::string>, int*, Callback*) override {
        return nullptr;
    }
    void addButton(std::string, std::string, Callback*) override {}
    void refreshConfiguration() override {}
    void openInputConfiguration() override {}
    void getDataFolder(std::string& out) override { out.clear(); }
    void setToolData(const uint8_t*, uint32_t) override {}
    const uint8_t* getToolData(uint32_t* size) override {
        if (size) *size = 0;
        return nullptr;
    }
    int clearToolData() override { return 0; }
    void deleteNode(CNode*) override {}
    CNode* findNode(std::string) override { return nullptr; }
    CNode* createNode(std::string, CNode*, void*) override { return nullptr; }
    CNode* createMeshNode(std::string, CNode*, const util::CMesh*, void*) override { return nullptr; }
    void freeMesh(std::string, util::CMesh*) override {}
    CSnapshot* getSnapshot(CNode*, double) override { return nullptr; }
    CSnapshot_Helper* getHelperSnapshot(CNode*) override { return nullptr; }
    CSnapshot_Mesh* getMeshSnapshot(CNode*, double) override { return nullptr; }
    CSnapshot_Lens* getLensSnapshot(CNode*, double) override { return nullptr; }
    void releaseShapeSnapshot(CSnapshot_Shape*) override {}
    void releaseLensSnapshot(CSnapshot_Lens*) override {}
    void releaseMeshSnapshot(CSnapshot_Mesh*) override {}
    void releaseHelperSnapshot(CSnapshot_Helper*) override {}
    void releaseSnapshot(CSnapshot*) override {}
    double getCurrentTime() override { return 0; }
    double getFramesPerSecond() override { return 0; }
    double getFrameDuration() override { return 0; }
    void refreshView() override {}
    int messageBox(std::string, std::string, uint32_t) override { return 0; }
};

} // namespace vex::orb::test
