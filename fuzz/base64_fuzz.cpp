// Feeds arbitrary text to the Base64 decoder and arbitrary bytes to the encoder. Decoding is strict,
// so any text it accepts must be exactly what the encoder writes for the decoded bytes (apart from
// the surrounding whitespace the decoder tolerates); encoded bytes must always decode back.
#include "fuzz/TrimSpace.h"
#include "util/Base64.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using vex::util::Base64Decode;
using vex::util::Base64Encode;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<uint8_t> decoded;
    if (Base64Decode(text, decoded) && Base64Encode(decoded) != vex::fuzz::TrimSpace(text)) std::abort();

    const std::string encoded = Base64Encode(data, size);
    std::vector<uint8_t> back;
    if (!Base64Decode(encoded, back) || back != std::vector<uint8_t>(data, data + size)) std::abort();
    return 0;
}
