#include "util/Base64.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using vex::util::Base64Decode;
using vex::util::Base64Encode;

namespace {

std::string DecodeToString(std::string_view text, bool& ok) {
    std::vector<uint8_t> out;
    ok = Base64Decode(text, out);
    return std::string(out.begin(), out.end());
}

} // namespace

TEST(Base64, Rfc4648TestVectorsBothWays) {
    const std::pair<const char*, const char*> vectors[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [plain, encoded] : vectors) {
        EXPECT_EQ(Base64Encode(std::string_view(plain)), encoded);
        bool ok = false;
        EXPECT_EQ(DecodeToString(encoded, ok), plain);
        EXPECT_TRUE(ok) << encoded;
    }
}

TEST(Base64, RejectsMalformedTextAndKeepsOutput) {
    const char* bad[] = {
        "Zg",       "Zg=",       "Zm9vY", // length not a multiple of 4
        "Zm9v!A==", "Zm9-",      "Zm9_",  // characters outside the standard alphabet
        "====",     "Z===",      "=g==",  // padding with too little data before it
        "Zg==Zg==", "Zg=A",      "Zm=v",  // padding before the end
        "Zh==",     "Zm9=",               // non-zero bits left over by the padding
        "Zm 9",     "Zm9\nYmFy",          // whitespace inside the text
    };
    for (const char* text : bad) {
        std::vector<uint8_t> out = {42};
        EXPECT_FALSE(Base64Decode(text, out)) << text;
        EXPECT_EQ(out, std::vector<uint8_t>{42}) << text;
    }
    std::vector<uint8_t> out;
    EXPECT_FALSE(Base64Decode(std::string_view("Zm9v\0\0\0\0", 8), out)); // NUL is no padding
}

TEST(Base64, IgnoresWhitespaceAroundTheText) {
    bool ok = false;
    EXPECT_EQ(DecodeToString("\n\t  Zm9vYg==  \r\n", ok), "foob");
    EXPECT_TRUE(ok);
    EXPECT_EQ(DecodeToString(" \n ", ok), "");
    EXPECT_TRUE(ok);
}

TEST(Base64, BinaryRoundTrip) {
    std::vector<uint8_t> all(256);
    for (int i = 0; i < 256; ++i) all[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
    // Every tail length (0, 1 and 2 bytes past a full group) with every byte value.
    for (size_t size : {size_t{254}, size_t{255}, size_t{256}}) {
        const std::vector<uint8_t> bytes(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(size));
        const std::string text = Base64Encode(bytes);
        EXPECT_EQ(text.size(), (size + 2) / 3 * 4);
        std::vector<uint8_t> back;
        ASSERT_TRUE(Base64Decode(text, back));
        EXPECT_EQ(back, bytes);
    }
    EXPECT_EQ(Base64Encode(std::vector<uint8_t>{0xFB, 0xFF, 0xBF}), "+/+/");
}
