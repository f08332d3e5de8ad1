#include "plugins/common/RecordField.h"

#include "plugins/common/ToolRecord.h"

#include <utility>

namespace vex::orb::addon {

RecordField::RecordField(std::string_view key, double& value)
    : key_(key), write_([&value, key] { return util::DataChunk::Make(key, value); }),
      read_([&value](const util::DataChunk& field) { field.Read(value); }) {}

RecordField::RecordField(std::string_view key, double& value, double whenMissing)
    : key_(key), write_([&value, key] { return util::DataChunk::Make(key, value); }),
      read_([&value, whenMissing](const util::DataChunk& field) {
          if (!field.Read(value)) value = whenMissing;
      }) {}

RecordField::RecordField(std::string_view key, bool& value)
    : key_(key), write_([&value, key] { return util::DataChunk::Make(key, value); }),
      read_([&value](const util::DataChunk& field) { ReadBool(field, value); }) {}

RecordField::RecordField(std::string_view key, int& value)
    : key_(key), write_([&value, key] { return util::DataChunk::Make(key, static_cast<int32_t>(value)); }),
      read_([&value](const util::DataChunk& field) {
          int32_t read = 0;
          if (field.Read(read)) value = read;
      }) {}

RecordField::RecordField(std::string_view key, std::function<util::DataChunk()> write,
                         std::function<void(const util::DataChunk&)> read)
    : key_(key), write_(std::move(write)), read_(std::move(read)) {}

RecordField::RecordField(std::string_view key, std::vector<bool*> flags)
    : key_(key), write_([flags, key] {
          std::vector<uint8_t> bytes;
          bytes.reserve(flags.size());
          for (const bool* flag : flags) bytes.push_back(*flag ? 1 : 0);
          return util::DataChunk(key, bytes.data(), bytes.size());
      }),
      read_([flags](const util::DataChunk& field) {
          if (field.GetSize() != flags.size()) return;
          for (size_t i = 0; i < flags.size(); ++i) *flags[i] = field.GetData()[i] != 0;
      }) {}

void RecordField::Read(const util::DataChunk& record) const {
    const bool useAlternative = !alternative_.empty() && !HasChild(record, key_);
    read_(record.FindChild(useAlternative ? alternative_ : key_));
}

bool HasChild(const util::DataChunk& record, std::string_view name) {
    for (size_t i = 0; i < record.GetChildCount(); ++i)
        if (record.GetChild(i).GetName() == name) return true;
    return false;
}

util::DataChunk WriteFields(std::string_view name, const std::vector<RecordField>& fields) {
    util::DataChunk record(name, nullptr, 0);
    for (const RecordField& field : fields) record.AddChild(field.Write());
    return record;
}

void ReadFields(const util::DataChunk& record, const std::vector<RecordField>& fields) {
    for (const RecordField& field : fields) field.Read(record);
}

} // namespace vex::orb::addon
