#pragma once

#include "util/ByteOrder.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vex::util {

/// Writes values in the byte form of our files and records (util/ByteOrder.h: numbers little-endian
/// whatever the host, doubles as their bit pattern, bools as 0 or 1) at a cursor, into one of:
/// - a growing byte vector: the cursor starts at its end and writes past the end append;
/// - a fixed buffer of the caller's (a span, a std::array, a pointer and size): the cursor starts at
///   0 and a value that does not fit is not written at all. Fixed-size records are built this way,
///   `Seek(offset)` (or `WriteAt`) putting each field at its documented offset.
///
/// A write that fails (past a fixed buffer's end, a Seek out of range) leaves the bytes as they were
/// and the writer failed: `Ok()` is false from then on and every later write or Seek is refused, so
/// a caller can write a whole record and check once. A tool's fixed record:
///
///     std::array<uint8_t, kRecordSize> record{};
///     ByteWriter out(record);
///     out.WriteAt(kScaleAt, scale);            // a double at its documented offset
///     out.WriteAt(kRollAt, uint64_t{roll});    // a 64-bit flag
///     TORVA_ASSERT(out.Ok(), "a field past the record");
class ByteWriter {
public:
    /// Appends to `out`, which must outlive the writer; the cursor starts at out.size(). While the
    /// writer is in use the vector only changes through it.
    explicit ByteWriter(std::vector<uint8_t>& out);
    /// Writes into `buffer` from its first byte, never outside it.
    explicit ByteWriter(std::span<uint8_t> buffer);
    /// Writes into the `size` bytes at `buffer` (null gives an empty buffer).
    ByteWriter(uint8_t* buffer, size_t size);

    /// Writes `value` (sizeof(T) bytes) at the cursor and moves the cursor past it.
    template <byteorder::Value T>
    bool Write(const T& value) {
        uint8_t* at = Claim(sizeof(T));
        if (at == nullptr) return false;
        byteorder::Store(value, at);
        return true;
    }

    /// Seek(offset), then Write(value): a field of a fixed-size record.
    template <byteorder::Value T>
    bool WriteAt(size_t offset, const T& value) {
        return Seek(offset) && Write(value);
    }

    /// Copies `count` bytes from `bytes` unchanged (`bytes` is not read when `count` is 0).
    bool WriteBytes(const void* bytes, size_t count);
    bool WriteBytes(std::span<const uint8_t> bytes) { return WriteBytes(bytes.data(), bytes.size()); }

    /// Moves the cursor to `offset`, which may be at most Size(); the bytes stay as they are.
    bool Seek(size_t offset);
    /// Moves the cursor `count` bytes on, over bytes left as they are; at most to Size().
    bool Skip(size_t count);

    /// The cursor: bytes from the start of the buffer (or vector).
    size_t Position() const { return position_; }
    /// Bytes of the buffer, or of the vector as it is now.
    size_t Size() const { return vector_ != nullptr ? vector_->size() : size_; }
    /// False once a write or Seek has failed.
    bool Ok() const { return ok_; }

private:
    // The `count` bytes at the cursor, the cursor moved past them; null (the writer failed) when
    // they do not fit a fixed buffer or the writer has failed before.
    uint8_t* Claim(size_t count) {
        if (vector_ == nullptr && ok_ && count <= size_ - position_) {
            uint8_t* at = data_ + position_;
            position_ += count;
            return at;
        }
        return ClaimSlow(count);
    }
    uint8_t* ClaimSlow(size_t count);
    bool Fail();

    std::vector<uint8_t>* vector_ = nullptr;
    uint8_t* data_ = nullptr;
    size_t size_ = 0;
    size_t position_ = 0;
    bool ok_ = true;
};

} // namespace vex::util
