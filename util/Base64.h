#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vex::util {

// Base64 text for binary data stored inside text files (RFC 4648 section 4: the standard alphabet
// "A-Z a-z 0-9 + /", "=" padding, no line breaks).

/// Encodes `size` bytes from `data` as padded Base64 text without line breaks.
std::string Base64Encode(const void* data, size_t size);
/// Encodes a byte vector.
inline std::string Base64Encode(const std::vector<uint8_t>& bytes) {
    return Base64Encode(bytes.data(), bytes.size());
}
/// Encodes the bytes of a string.
inline std::string Base64Encode(std::string_view bytes) {
    return Base64Encode(bytes.data(), bytes.size());
}

/// Decodes Base64 text into `out` and returns true, or returns false and leaves `out` unchanged.
/// Spaces, tabs, carriage returns and line feeds before and after the text are ignored (saved files
/// indent it); everything between them must be canonical Base64, so nothing is ever guessed:
/// the length is a multiple of 4, every character is from the standard alphabet, "=" appears only
/// as one or two final padding characters, and the bits the padding leaves over are zero.
bool Base64Decode(std::string_view text, std::vector<uint8_t>& out);

} // namespace vex::util
