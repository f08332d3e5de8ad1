#include "util/ByteReader.h"

#include <cstring>

namespace vex::util {

ByteReader::ByteReader(std::span<const uint8_t> bytes) : data_(bytes.data()), size_(bytes.size()) {}

ByteReader::ByteReader(const uint8_t* bytes, size_t size)
    : data_(bytes), size_(bytes != nullptr ? size : 0) {}

bool ByteReader::Fail() {
    ok_ = false;
    return false;
}

bool ByteReader::ReadBytes(void* out, size_t count) {
    if (!ok_ || count > size_ - position_) return Fail();
    if (count > 0) std::memcpy(out, data_ + position_, count);
    position_ += count;
    return true;
}

std::span<const uint8_t> ByteReader::ReadSpan(size_t count) {
    if (!ok_ || count > size_ - position_) {
        Fail();
        return {};
    }
    const std::span<const uint8_t> bytes(data_ + position_, count);
    position_ += count;
    return bytes;
}

bool ByteReader::Seek(size_t offset) {
    if (!ok_ || offset > size_) return Fail();
    position_ = offset;
    return true;
}

bool ByteReader::Skip(size_t count) {
    if (!ok_ || count > size_ - position_) return Fail();
    position_ += count;
    return true;
}

} // namespace vex::util
