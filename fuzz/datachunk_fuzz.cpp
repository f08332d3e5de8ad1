// Feeds arbitrary bytes to the DataChunk parser. Whatever parses must serialise back to exactly the
// bytes it was parsed from, and those bytes must parse to an equal tree.
#include "util/DataChunk.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

using vex::util::DataChunk;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DataChunk chunk;
    const uint8_t* end = chunk.Parse(data, data + size);
    const auto fromBytes = DataChunk::FromBytes(data, size);
    if ((end != nullptr) != fromBytes.has_value()) std::abort();
    if (end == nullptr) return 0;

    const size_t used = static_cast<size_t>(end - data);
    const std::vector<uint8_t> bytes = chunk.Serialize();
    if (bytes.size() != used || chunk.GetSerializedSize() != used) std::abort();
    if (used > 0 && std::memcmp(bytes.data(), data, used) != 0) std::abort();

    const auto again = DataChunk::FromBytes(bytes);
    if (!again || !(*again == chunk) || !(*fromBytes == chunk)) std::abort();
    return 0;
}
