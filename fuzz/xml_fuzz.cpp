// Reads any bytes as an XML document. The reader must never crash or read past the input, and a
// document it accepts must survive being written and read back: the second reading gives the same tree
// and writes the same text.

#include "util/xml/Element.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vex::util::xml::Element;
    // A copy of exactly `size` bytes, so the sanitizer catches any read past the end.
    const std::string input(reinterpret_cast<const char*>(data), size);
    Element first;
    if (first.Parse(std::string_view(input.data(), input.size())) != vex::util::xml::kOk) return 0;

    const std::string written = first.ToString();
    Element second;
    const int status = second.Parse(written);
    if (status != vex::util::xml::kOk || !(second == first) || second.ToString() != written) {
        std::fprintf(stderr, "round trip failed (status %d) for:\n%s\n", status, written.c_str());
        std::abort();
    }
    return 0;
}
