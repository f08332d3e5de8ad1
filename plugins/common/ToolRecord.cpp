#include "plugins/common/ToolRecord.h"

#include "interface/CInterface.h"

namespace vex::orb::addon {

std::optional<util::DataChunk> ReadToolRecord(CInterface* core) {
    uint32_t size = 0;
    const uint8_t* bytes = core->getToolData(&size);
    return util::DataChunk::FromBytes(bytes, bytes ? size : 0);
}

void WriteToolRecord(CInterface* core, const util::DataChunk& record) {
    const std::vector<uint8_t> bytes = record.Serialize();
    core->setToolData(bytes.data(), static_cast<uint32_t>(bytes.size()));
}

void ReadBool(const util::DataChunk& field, bool& value) {
    uint8_t byte = 0;
    if (field.Read(byte)) value = byte != 0;
}

} // namespace vex::orb::addon
