#include "util/Base64.h"

#include <array>
#include <utility>

namespace vex::util {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr uint8_t kInvalid = 0xFF;

// The 6-bit value of every character, kInvalid for characters outside the alphabet ("=" included:
// padding is handled separately).
constexpr std::array<uint8_t, 256> MakeDecodeTable() {
    std::array<uint8_t, 256> table{};
    table.fill(kInvalid);
    for (uint8_t i = 0; i < 64; ++i) table[static_cast<uint8_t>(kAlphabet[i])] = i;
    return table;
}

constexpr std::array<uint8_t, 256> kDecode = MakeDecodeTable();

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view TrimSpace(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

} // namespace

std::string Base64Encode(const void* data, size_t size) {
    const auto* in = static_cast<const uint8_t*>(data);
    std::string text((size + 2) / 3 * 4, '=');
    char* out = text.data();
    size_t i = 0;
    for (; i + 3 <= size; i += 3) {
        const uint32_t v = (uint32_t{in[i]} << 16) | (uint32_t{in[i + 1]} << 8) | in[i + 2];
        *out++ = kAlphabet[v >> 18];
        *out++ = kAlphabet[(v >> 12) & 63];
        *out++ = kAlphabet[(v >> 6) & 63];
        *out++ = kAlphabet[v & 63];
    }
    const size_t rest = size - i;
    if (rest > 0) {
        uint32_t v = uint32_t{in[i]} << 16;
        if (rest == 2) v |= uint32_t{in[i + 1]} << 8;
        out[0] = kAlphabet[v >> 18];
        out[1] = kAlphabet[(v >> 12) & 63];
        if (rest == 2) out[2] = kAlphabet[(v >> 6) & 63];
    }
    return text;
}

bool Base64Decode(std::string_view text, std::vector<uint8_t>& out) {
    text = TrimSpace(text);
    if (text.size() % 4 != 0) return false;

    size_t padding = 0;
    if (!text.empty() && text.back() == '=') padding = text[text.size() - 2] == '=' ? 2 : 1;
    const size_t full = text.size() - padding; // characters carrying data

    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() / 4 * 3 - padding);
    uint32_t acc = 0;
    for (size_t i = 0; i < full; ++i) {
        // Any "=" here is misplaced padding; the table marks it invalid like any foreign character.
        const uint8_t v = kDecode[static_cast<uint8_t>(text[i])];
        if (v == kInvalid) return false;
        acc = (acc << 6) | v;
        if (i % 4 == 3) {
            bytes.push_back(static_cast<uint8_t>(acc >> 16));
            bytes.push_back(static_cast<uint8_t>(acc >> 8));
            bytes.push_back(static_cast<uint8_t>(acc));
            acc = 0;
        }
    }
    // A padded final group holds 2 (one byte) or 3 (two bytes) characters; the bits past the last
    // byte must be zero, or the text is not what an encoder writes for any input.
    if (padding == 2) {
        if ((acc & 0x0F) != 0) return false;
        bytes.push_back(static_cast<uint8_t>(acc >> 4));
    } else if (padding == 1) {
        if ((acc & 0x03) != 0) return false;
        bytes.push_back(static_cast<uint8_t>(acc >> 10));
        bytes.push_back(static_cast<uint8_t>(acc >> 2));
    }
    out = std::move(bytes);
    return true;
}

} // namespace vex::util
