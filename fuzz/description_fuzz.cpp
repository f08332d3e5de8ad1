// Reads arbitrary bytes as an instance description, plain or packed ("VXB_Plugin" with the attribute
// "compressed" and its Base64 text), as a pasted or opened scene hands it to the core. Unpacking what
// was packed gives back the description and the bytes it was packed from; the core makes the
// instances the description holds on the memory host, and the description it writes of them reads back
// to the same instances: written once more, it is the same. Never a crash, a hang or a leak.

#include "core/DescriptionPacker.h"
#include "fuzz/FuzzCore.h"
#include "util/xml/Element.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

using vex::util::xml::Element;

void Fail(const char* what, const Element& element) {
    std::fprintf(stderr, "%s:\n%s\n", what, element.ToString().c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    std::vector<std::uint8_t> unpackedBytes;
    if (!vex::orb::core::UnpackBytes(vex::orb::core::PackBytes(bytes), unpackedBytes) ||
        unpackedBytes != bytes)
        std::abort();

    Element element;
    if (element.Parse(std::string_view(reinterpret_cast<const char*>(data), size)) != vex::util::xml::kOk)
        return 0;
    Element description = element;
    if (!vex::orb::core::IsPacked(element) || vex::orb::core::UnpackDescription(element, description)) {
        Element again;
        if (!vex::orb::core::UnpackDescription(vex::orb::core::PackDescription(description), again) ||
            !(again == description))
            Fail("packing and unpacking changes the description", description);
    }

    vex::fuzz::FuzzCore::Get().CheckStableWriting(element);
    return 0;
}
