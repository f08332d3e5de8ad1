#pragma once

#include "util/ByteOrder.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <type_traits>

namespace vex::util {

/// Reads values in the byte form ByteWriter writes (util/ByteOrder.h) from a span of bytes, at a
/// cursor that starts at the first byte. Every read is checked against the end: a read that does not
/// fit, a bool byte other than 0 or 1, or a Seek or Skip out of range fails, reads nothing, leaves the
/// target as it was and the cursor where it was, and leaves the reader failed: `Ok()` is false from
/// then on and every later read fails too, so a caller can read a whole record and check once.
/// The reader never reads outside the span; the bytes must outlive it. A tool's fixed record:
///
///     ByteReader in(bytes, size);
///     double scale = 1.0;
///     in.ReadAt(kScaleAt, scale);
///     const bool roll = (in.ReadAt<uint64_t>(kRollAt).value_or(0) & 1) != 0;
///     if (!in.Ok()) return 1;                  // the record was shorter
class ByteReader {
public:
    /// Reads from `bytes`.
    explicit ByteReader(std::span<const uint8_t> bytes);
    /// Reads from the `size` bytes at `bytes` (null gives no bytes at all).
    ByteReader(const uint8_t* bytes, size_t size);

    /// Reads a T (sizeof(T) bytes) at the cursor into `value` and moves the cursor past it.
    template <byteorder::Value T>
    bool Read(T& value) {
        if (!ok_ || sizeof(T) > size_ - position_ || !byteorder::IsValid<T>(data_ + position_)) return Fail();
        byteorder::Load(data_ + position_, value);
        position_ += sizeof(T);
        return true;
    }

    /// The T at the cursor, or nullopt when the read fails.
    template <byteorder::Value T>
    requires std::is_default_constructible_v<T> std::optional<T> Read() {
        T value{};
        if (!Read(value)) return std::nullopt;
        return value;
    }

    /// Seek(offset), then Read(value): a field of a fixed-size record.
    template <byteorder::Value T>
    bool ReadAt(size_t offset, T& value) {
        return Seek(offset) && Read(value);
    }
    /// Seek(offset), then Read<T>().
    template <byteorder::Value T>
    requires std::is_default_constructible_v<T> std::optional<T> ReadAt(size_t offset) {
        if (!Seek(offset)) return std::nullopt;
        return Read<T>();
    }

    /// Copies the next `count` bytes unchanged to `out` (`out` is not written when `count` is 0).
    bool ReadBytes(void* out, size_t count);
    /// The next `count` bytes, in place, and the cursor moved past them; an empty span on failure.
    std::span<const uint8_t> ReadSpan(size_t count);

    /// Moves the cursor to `offset`, at most Size().
    bool Seek(size_t offset);
    /// Moves the cursor `count` bytes on, at most to the end.
    bool Skip(size_t count);

    /// The cursor: bytes from the start.
    size_t Position() const { return position_; }
    /// Bytes after the cursor.
    size_t Remaining() const { return size_ - position_; }
    /// Bytes in all.
    size_t Size() const { return size_; }
    /// False once a read, Seek or Skip has failed.
    bool Ok() const { return ok_; }

private:
    bool Fail();

    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
    size_t position_ = 0;
    bool ok_ = true;
};

} // namespace vex::util
