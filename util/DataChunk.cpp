#include "util/DataChunk.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace vex::util {

namespace {

constexpr size_t kMaxField = static_cast<size_t>(std::numeric_limits<int32_t>::max());

// The chunk FindChild and GetChild hand out for a miss. It is const, so nobody can fill it.
const DataChunk& EmptyChunk() {
    static const DataChunk empty;
    return empty;
}

std::string_view CutName(std::string_view name) {
    return name.substr(0, DataChunk::kMaxNameLength);
}

} // namespace

DataChunk::DataChunk() = default;

DataChunk::DataChunk(std::string_view name, const void* bytes, size_t size) : name_(CutName(name)) {
    if (size > 0) {
        const auto* first = static_cast<const uint8_t*>(bytes);
        data_.assign(first, first + size);
    }
}

DataChunk::DataChunk(const uint8_t* buffer, size_t length) {
    if (buffer != nullptr) Parse(buffer, buffer + length);
}

DataChunk::DataChunk(const DataChunk&) = default;
DataChunk::DataChunk(DataChunk&&) noexcept = default;
DataChunk& DataChunk::operator=(const DataChunk&) = default;
DataChunk& DataChunk::operator=(DataChunk&&) noexcept = default;
DataChunk::~DataChunk() = default;

std::optional<DataChunk> DataChunk::FromBytes(const uint8_t* data, size_t length) {
    if (data == nullptr) return std::nullopt;
    DataChunk chunk;
    ByteReader in(data, length);
    if (!ParseInto(chunk, in, 1)) return std::nullopt;
    return chunk;
}

const uint8_t* DataChunk::Parse(const uint8_t* data, const uint8_t* end) {
    if (data == nullptr || end == nullptr || end < data) return nullptr;
    DataChunk parsed;
    ByteReader in(data, static_cast<size_t>(end - data));
    if (!ParseInto(parsed, in, 1)) return nullptr;
    *this = std::move(parsed);
    return data + in.Position();
}

bool DataChunk::ParseInto(DataChunk& out, ByteReader& in, int depth) {
    if (depth > kMaxDepth) return false;
    int32_t dataSize = 0, childCount = 0, nameLength = 0;
    if (!in.Read(dataSize) || !in.Read(childCount) || !in.Read(nameLength)) return false;
    if (dataSize < 0 || childCount < 0 || nameLength < 0 || static_cast<size_t>(nameLength) > kMaxNameLength)
        return false;

    // The reader checks every size against the bytes that remain, so a record announcing more than
    // it holds is caught before anything is read.
    const std::span<const uint8_t> name = in.ReadSpan(static_cast<size_t>(nameLength));
    const std::span<const uint8_t> data = in.ReadSpan(static_cast<size_t>(dataSize));
    if (!in.Ok()) return false;
    // Each child takes at least a header, so a count that cannot fit is malformed; checking it
    // first also keeps the reservation below bounded by the input's length.
    const size_t children = static_cast<size_t>(childCount);
    if (children > in.Remaining() / kHeaderSize) return false;

    out.name_.assign(name.begin(), name.end());
    out.data_.assign(data.begin(), data.end());
    out.children_.reserve(children);
    for (size_t i = 0; i < children; ++i)
        if (!ParseInto(out.children_.emplace_back(), in, depth + 1)) return false;
    return true;
}

void DataChunk::AddChild(const DataChunk& child) {
    children_.push_back(child);
}

void DataChunk::AddChild(DataChunk&& child) {
    children_.push_back(std::move(child));
}

const DataChunk& DataChunk::FindChild(std::string_view name) const {
    for (const DataChunk& child : children_)
        if (child.name_ == name) return child;
    return EmptyChunk();
}

const DataChunk& DataChunk::GetChild(size_t index) const {
    return index < children_.size() ? children_[index] : EmptyChunk();
}

bool DataChunk::Measure(size_t& total) const {
    if (data_.size() > kMaxField || children_.size() > kMaxField) return false;
    total += kHeaderSize + name_.size() + data_.size();
    for (const DataChunk& child : children_)
        if (!child.Measure(total)) return false;
    return true;
}

size_t DataChunk::GetSerializedSize() const {
    size_t total = 0;
    return Measure(total) ? total : 0;
}

void DataChunk::WriteTo(ByteWriter& out) const {
    out.Write(static_cast<int32_t>(data_.size()));
    out.Write(static_cast<int32_t>(children_.size()));
    out.Write(static_cast<int32_t>(name_.size()));
    out.WriteBytes(name_.data(), name_.size());
    out.WriteBytes(data_.data(), data_.size());
    for (const DataChunk& child : children_) child.WriteTo(out);
}

std::vector<uint8_t> DataChunk::Serialize() const {
    size_t total = 0;
    if (!Measure(total)) return {};
    // One allocation of the exact size; the write pass only copies bytes into it.
    std::vector<uint8_t> bytes(total);
    ByteWriter out(bytes.data(), bytes.size());
    WriteTo(out);
    return bytes;
}

bool DataChunk::operator==(const DataChunk& other) const {
    return name_ == other.name_ && data_ == other.data_ && children_ == other.children_;
}

} // namespace vex::util
