#include "util/DataChunk.h"

#include "util/Endian.h"

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
    if (ParseInto(chunk, data, data + length, 1) == nullptr) return std::nullopt;
    return chunk;
}

const uint8_t* DataChunk::Parse(const uint8_t* data, const uint8_t* end) {
    if (data == nullptr || end == nullptr || end < data) return nullptr;
    DataChunk parsed;
    const uint8_t* next = ParseInto(parsed, data, end, 1);
    if (next != nullptr) *this = std::move(parsed);
    return next;
}

const uint8_t* DataChunk::ParseInto(DataChunk& out, const uint8_t* p, const uint8_t* end, int depth) {
    if (depth > kMaxDepth) return nullptr;
    // Every comparison is made against the bytes that remain, never by forming a pointer past
    // `end`, so a record announcing more than it holds is caught before anything is read.
    if (static_cast<size_t>(end - p) < kHeaderSize) return nullptr;
    const int32_t dataSize = ReadInt32LE(p);
    const int32_t childCount = ReadInt32LE(p + 4);
    const int32_t nameLength = ReadInt32LE(p + 8);
    p += kHeaderSize;
    if (dataSize < 0 || childCount < 0 || nameLength < 0 || static_cast<size_t>(nameLength) > kMaxNameLength)
        return nullptr;

    const size_t nameBytes = static_cast<size_t>(nameLength);
    const size_t dataBytes = static_cast<size_t>(dataSize);
    size_t remaining = static_cast<size_t>(end - p);
    if (nameBytes > remaining || dataBytes > remaining - nameBytes) return nullptr;
    remaining -= nameBytes + dataBytes;
    // Each child takes at least a header, so a count that cannot fit is malformed; checking it
    // first also keeps the reservation below bounded by the input's length.
    const size_t children = static_cast<size_t>(childCount);
    if (children > remaining / kHeaderSize) return nullptr;

    out.name_.assign(reinterpret_cast<const char*>(p), nameBytes);
    p += nameBytes;
    out.data_.assign(p, p + dataBytes);
    p += dataBytes;

    out.children_.reserve(children);
    for (size_t i = 0; i < children; ++i) {
        p = ParseInto(out.children_.emplace_back(), p, end, depth + 1);
        if (p == nullptr) return nullptr;
    }
    return p;
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

uint8_t* DataChunk::WriteTo(uint8_t* out) const {
    WriteInt32LE(out, static_cast<int32_t>(data_.size()));
    WriteInt32LE(out + 4, static_cast<int32_t>(children_.size()));
    WriteInt32LE(out + 8, static_cast<int32_t>(name_.size()));
    out += kHeaderSize;
    if (!name_.empty()) std::memcpy(out, name_.data(), name_.size());
    out += name_.size();
    if (!data_.empty()) std::memcpy(out, data_.data(), data_.size());
    out += data_.size();
    for (const DataChunk& child : children_) out = child.WriteTo(out);
    return out;
}

std::vector<uint8_t> DataChunk::Serialize() const {
    size_t total = 0;
    if (!Measure(total)) return {};
    // One allocation of the exact size; the write pass only copies bytes into it.
    std::vector<uint8_t> bytes(total);
    WriteTo(bytes.data());
    return bytes;
}

bool DataChunk::operator==(const DataChunk& other) const {
    return name_ == other.name_ && data_ == other.data_ && children_ == other.children_;
}

} // namespace vex::util
