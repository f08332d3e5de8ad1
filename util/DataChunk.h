#pragma once

#include "util/ByteReader.h"
#include "util/ByteWriter.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace vex::util {

/// A named, tree-shaped binary record: the form in which tools save their state. Each chunk has a
/// name, a payload of raw bytes and an ordered list of child chunks; a tool hangs one named child
/// per saved field under a root chunk and reads fields back by name, so a newer tool can read an
/// older record (a missing field comes back as an empty chunk).
///
/// Serialised form of one chunk (all integers 32-bit signed little-endian):
///   dataSize, childCount, nameLength (0..256), name bytes, payload bytes, then the childCount
///   children one after the other in the same form. There is no header, signature or checksum.
///
/// Copies are deep: copying a chunk copies its payload and all its children.
class DataChunk {
public:
    /// Bytes taken by the three size fields in front of every chunk.
    static constexpr size_t kHeaderSize = 12;
    /// Longest name a chunk can carry; longer names are cut to this many bytes.
    static constexpr size_t kMaxNameLength = 256;
    /// Deepest nesting the parser accepts, counting the root as one level; deeper input is
    /// treated as malformed so that hostile records cannot exhaust the stack.
    static constexpr int kMaxDepth = 256;

    /// An empty chunk: no name, no payload, no children.
    DataChunk();
    /// A chunk called `name` holding a copy of `size` bytes from `bytes` (size 0 gives an empty
    /// payload and `bytes` is not read). Names longer than kMaxNameLength bytes are cut.
    DataChunk(std::string_view name, const void* bytes, size_t size);
    /// Parses a chunk tree from the first `length` bytes of `buffer`. A malformed or truncated
    /// record gives an empty chunk; use FromBytes when the difference matters.
    DataChunk(const uint8_t* buffer, size_t length);

    DataChunk(const DataChunk&);
    DataChunk(DataChunk&&) noexcept;
    DataChunk& operator=(const DataChunk&);
    DataChunk& operator=(DataChunk&&) noexcept;
    virtual ~DataChunk();

    /// Parses a chunk tree from the first `length` bytes of `data`; nullopt when the record is
    /// malformed. Bytes after the root chunk are ignored.
    static std::optional<DataChunk> FromBytes(const uint8_t* data, size_t length);
    /// Same, for a whole byte vector.
    static std::optional<DataChunk> FromBytes(const std::vector<uint8_t>& bytes) {
        return FromBytes(bytes.data(), bytes.size());
    }

    /// Parses one chunk tree starting at `data`, never reading at or beyond `end`, and replaces
    /// this chunk with it. Returns the position just past the chunk, or null when `data` is null
    /// or the record is malformed (negative sizes, a name longer than 256 bytes, sizes running
    /// past `end`, nesting deeper than kMaxDepth); on failure this chunk is left unchanged.
    const uint8_t* Parse(const uint8_t* data, const uint8_t* end);

    /// A chunk called `name` whose payload is `value` in its byte form (util/ByteOrder.h: a number
    /// little-endian, a struct its bytes as in memory).
    template <class T>
    static DataChunk Make(std::string_view name, const T& value) {
        static_assert(std::is_trivially_copyable_v<T>, "only trivially copyable values are stored as bytes");
        DataChunk chunk(name, nullptr, 0);
        ByteWriter(chunk.data_).Write(value);
        return chunk;
    }

    /// Reads the payload into `value` when its size is exactly sizeof(T) and it is a byte form of T
    /// and returns true; otherwise leaves `value` untouched and returns false (a missing field reads
    /// as false).
    template <class T>
    bool Read(T& value) const {
        static_assert(std::is_trivially_copyable_v<T>, "only trivially copyable values are read from bytes");
        return data_.size() == sizeof(T) && ByteReader(data_).Read(value);
    }

    /// Appends a copy of `child` as the last child.
    void AddChild(const DataChunk& child);
    /// Appends `child` as the last child, taking over its contents.
    void AddChild(DataChunk&& child);

    /// The first child, in order, whose name equals `name` exactly; when there is none, a reference
    /// to one shared empty chunk (the same object for every miss), never null.
    const DataChunk& FindChild(std::string_view name) const;

    /// The payload bytes (may be null when the payload is empty).
    const uint8_t* GetData() const { return data_.data(); }
    /// Number of payload bytes.
    size_t GetSize() const { return data_.size(); }
    /// The chunk's name.
    const std::string& GetName() const { return name_; }
    /// Number of children.
    size_t GetChildCount() const { return children_.size(); }
    /// The child at `index`; the shared empty chunk when `index` is out of range.
    const DataChunk& GetChild(size_t index) const;

    /// Number of bytes Serialize produces for this tree (0 when it cannot be serialised).
    size_t GetSerializedSize() const;
    /// The tree in its serialised form, children written recursively in order. Returns an empty
    /// vector when a payload or child count is too large for the 32-bit size fields.
    std::vector<uint8_t> Serialize() const;

    /// True when both trees have the same names, payloads and children in the same order.
    bool operator==(const DataChunk& other) const;

private:
    // Parses one chunk at the cursor of `in` into the empty chunk `out`; `depth` is the level of
    // `out` (root 1). False when the record is malformed.
    static bool ParseInto(DataChunk& out, ByteReader& in, int depth);
    // Adds the serialised size of the tree to `total`; false when a payload or child count does
    // not fit a 32-bit signed size field.
    bool Measure(size_t& total) const;
    // Writes the tree at the cursor of `out`.
    void WriteTo(ByteWriter& out) const;

    std::vector<DataChunk> children_;
    std::vector<uint8_t> data_;
    std::string name_;
};

} // namespace vex::util
