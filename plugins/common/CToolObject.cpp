#include "plugins/common/CToolObject.h"

#include "interface/SceneNode.h"
#include "plugins/common/ToolRecord.h"

#include <optional>
#include <vector>

namespace vex::orb::addon {

CToolObject::CToolObject(const CreateParam& param, std::initializer_list<SceneNode*> nodes)
    : CCamera(param), nodes_(nodes) {
    std::erase(nodes_, nullptr);
}

void CToolObject::timeChanged(double t) {
    (void)t;
    core->refreshConfiguration();
}

int CToolObject::buildConfiguration() {
    DeclareChannels();
    DeclarePage(core, Page());
    DeclareOutputs();
    core->refreshConfiguration();
    return 0;
}

int CToolObject::initialize() {
    for (SceneNode* node : nodes_) node->create();
    Created();
    core->refreshConfiguration();
    return 0;
}

int CToolObject::restore() {
    // Every node is looked up, so every missing one is reported.
    bool allFound = true;
    for (SceneNode* node : nodes_) allFound = node->Find() && allFound;
    const std::optional<util::DataChunk> record = ReadToolRecord(core);
    if (record) ReadFields(*record, RecordFields());
    Restored(record.has_value());
    core->refreshConfiguration();
    return allFound ? 0 : 1;
}

int CToolObject::store() {
    WriteToolRecord(core, WriteFields(RecordName(), RecordFields()));
    return 0;
}

void CToolObject::end() {
    for (const RecordField& field : RecordFields()) field.Compact();
}

} // namespace vex::orb::addon
