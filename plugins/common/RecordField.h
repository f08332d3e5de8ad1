#pragma once

#include "util/AVar.h"
#include "util/ByteReader.h"
#include "util/ByteWriter.h"
#include "util/DataChunk.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace vex::orb::addon {

/// One named field of a tool's saved-state record, bound to the variable it saves: a tool lists its
/// fields once, in record order, and the same table writes the record and reads it back.
class RecordField {
public:
    /// A double stored as its 8 bytes; a missing or malformed field leaves `value`.
    RecordField(std::string_view key, double& value);
    /// As above, but a missing or malformed field sets `value` to `whenMissing`.
    RecordField(std::string_view key, double& value, double whenMissing);
    /// A bool stored as one byte (0 or 1); any other byte reads as true, a missing field leaves `value`.
    RecordField(std::string_view key, bool& value);
    /// An int stored as its 4 bytes; a missing or malformed field leaves `value`.
    RecordField(std::string_view key, int& value);
    /// A field of its own form: `write` makes the child (named `key`), `read` takes it back (an empty
    /// chunk when the record has no such child).
    RecordField(std::string_view key, std::function<util::DataChunk()> write,
                std::function<void(const util::DataChunk&)> read);
    /// A row of flags stored one byte each; read back only when the field has exactly that many bytes.
    RecordField(std::string_view key, std::vector<bool*> flags);
    /// An animated variable in its serial form; a missing or malformed field leaves `variable`.
    template <class Value>
    RecordField(std::string_view key, util::AVar<Value>& variable)
        : key_(key), write_([&variable, key] {
              std::vector<uint8_t> bytes(variable.getSerializedSize());
              variable.serialize(bytes.data(), bytes.size());
              return util::DataChunk(key, bytes.data(), bytes.size());
          }),
          read_([&variable](const util::DataChunk& field) {
              if (field.GetSize() != 0) variable.deserialize(field.GetData(), field.GetSize());
          }),
          compact_([&variable] { variable.ShrinkToFit(); }) {}

    /// The field's key in the record.
    std::string_view Key() const { return key_; }
    /// Also reads the field from a child named `alternative` when the record has none named Key() (a
    /// name older records used); `alternative` must outlive the field.
    RecordField& Or(std::string_view alternative) {
        alternative_ = alternative;
        return *this;
    }
    /// Makes Compact() call `compact`: a field whose variable grows a frame at a time in a take gives
    /// back, once the take is over, the slack its growth left.
    RecordField& Compacts(std::function<void()> compact) {
        compact_ = std::move(compact);
        return *this;
    }
    /// Gives back the growth slack of the field's variable, when it grows in a take; else nothing.
    void Compact() const {
        if (compact_) compact_();
    }
    /// The field as a record child holding the variable's current value.
    util::DataChunk Write() const { return write_(); }
    /// Reads the variable back from `record`'s child of this key.
    void Read(const util::DataChunk& record) const;

private:
    std::string_view key_;
    std::string_view alternative_;
    std::function<util::DataChunk()> write_;
    std::function<void(const util::DataChunk&)> read_;
    std::function<void()> compact_;
};

/// A row of numbers (doubles or 32-bit integers) stored one after the other, little-endian; read back
/// only when the field has exactly that many numbers, every one finite.
template <class Number>
RecordField NumberRowField(std::string_view key, std::vector<Number*> values) {
    static_assert(std::is_same_v<Number, double> || std::is_same_v<Number, std::int32_t>);
    return RecordField(
        key,
        [values, key] {
            std::vector<uint8_t> bytes;
            util::ByteWriter out(bytes);
            for (const Number* value : values) out.Write(*value);
            return util::DataChunk(key, bytes.data(), bytes.size());
        },
        [values](const util::DataChunk& field) {
            if (field.GetSize() != values.size() * sizeof(Number)) return;
            std::vector<Number> read(values.size());
            util::ByteReader in(field.GetData(), field.GetSize());
            for (Number& value : read) {
                in.Read(value);
                if (!std::isfinite(static_cast<double>(value))) return;
            }
            if (!in.Ok()) return;
            for (std::size_t i = 0; i < values.size(); ++i) *values[i] = read[i];
        });
}

/// A record called `name` whose children are `fields`, written in order.
util::DataChunk WriteFields(std::string_view name, const std::vector<RecordField>& fields);
/// True when `record` has a child named `name`.
bool HasChild(const util::DataChunk& record, std::string_view name);
/// Reads every one of `fields` from `record`.
void ReadFields(const util::DataChunk& record, const std::vector<RecordField>& fields);

} // namespace vex::orb::addon
