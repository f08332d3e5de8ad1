#include "util/ByteWriter.h"

#include <cstring>
#include <limits>

namespace vex::util {

ByteWriter::ByteWriter(std::vector<uint8_t>& out) : vector_(&out), position_(out.size()) {}

ByteWriter::ByteWriter(std::span<uint8_t> buffer) : data_(buffer.data()), size_(buffer.size()) {}

ByteWriter::ByteWriter(uint8_t* buffer, size_t size) : data_(buffer), size_(buffer != nullptr ? size : 0) {}

bool ByteWriter::Fail() {
    ok_ = false;
    return false;
}

uint8_t* ByteWriter::ClaimSlow(size_t count) {
    if (!ok_) return nullptr;
    if (vector_ == nullptr) {
        // Fixed buffer and the value does not fit: nothing of it is written.
        Fail();
        return nullptr;
    }
    if (count > std::numeric_limits<size_t>::max() - position_) {
        Fail();
        return nullptr;
    }
    const size_t end = position_ + count;
    if (end > vector_->size()) vector_->resize(end); // geometric growth: appending is amortised O(1)
    uint8_t* at = vector_->data() + position_;
    position_ = end;
    return at;
}

bool ByteWriter::WriteBytes(const void* bytes, size_t count) {
    if (count == 0) return ok_; // no bytes to claim (and an empty buffer may have no address)
    uint8_t* at = Claim(count);
    if (at == nullptr) return false;
    std::memcpy(at, bytes, count);
    return true;
}

bool ByteWriter::Seek(size_t offset) {
    if (!ok_ || offset > Size()) return Fail();
    position_ = offset;
    return true;
}

bool ByteWriter::Skip(size_t count) {
    if (!ok_ || count > Size() - position_) return Fail();
    position_ += count;
    return true;
}

} // namespace vex::util
