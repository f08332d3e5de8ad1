#include "core/DescriptionPacker.h"

#include "util/Base64.h"
#include "util/xml/Data.h"
#include "util/xml/Status.h"
#include "util/xml/Tag.h"

#include <string_view>

namespace vex::orb::core {

namespace {
constexpr std::size_t kMinRun = 3;
constexpr std::size_t kMaxRun = 130;
constexpr std::size_t kMaxLiteral = 128;
} // namespace

std::vector<uint8_t> PackBytes(const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> out;
    std::size_t i = 0;
    std::size_t literalStart = 0;
    auto flushLiterals = [&](std::size_t end) {
        while (literalStart < end) {
            const std::size_t count = std::min(kMaxLiteral, end - literalStart);
            out.push_back(static_cast<uint8_t>(count - 1));
            out.insert(out.end(), bytes.begin() + static_cast<std::ptrdiff_t>(literalStart),
                       bytes.begin() + static_cast<std::ptrdiff_t>(literalStart + count));
            literalStart += count;
        }
    };
    while (i < bytes.size()) {
        std::size_t run = 1;
        while (i + run < bytes.size() && run < kMaxRun && bytes[i + run] == bytes[i]) ++run;
        if (run >= kMinRun) {
            flushLiterals(i);
            out.push_back(static_cast<uint8_t>(run + 125));
            out.push_back(bytes[i]);
            i += run;
            literalStart = i;
        } else {
            i += run;
        }
    }
    flushLiterals(bytes.size());
    return out;
}

bool UnpackBytes(const std::vector<uint8_t>& packed, std::vector<uint8_t>& out) {
    out.clear();
    std::size_t i = 0;
    while (i < packed.size()) {
        const uint8_t control = packed[i++];
        if (control < kMaxLiteral) {
            const std::size_t count = std::size_t(control) + 1;
            if (packed.size() - i < count) return false;
            out.insert(out.end(), packed.begin() + static_cast<std::ptrdiff_t>(i),
                       packed.begin() + static_cast<std::ptrdiff_t>(i + count));
            i += count;
        } else {
            if (i >= packed.size()) return false;
            out.insert(out.end(), std::size_t(control) - 125, packed[i++]);
        }
    }
    return true;
}

util::xml::Element PackDescription(const util::xml::Element& description) {
    const std::string text = description.ToString();
    const std::vector<uint8_t> packed = PackBytes(std::vector<uint8_t>(text.begin(), text.end()));
    util::xml::Element element = util::xml::Tag("VXB_Plugin");
    element.SetAttribute("compressed", kPackingName);
    element.AddChild(util::xml::Data(util::Base64Encode(packed)));
    return element;
}

bool IsPacked(const util::xml::Element& element) {
    return element.HasAttribute("compressed");
}

bool UnpackDescription(const util::xml::Element& element, util::xml::Element& description) {
    if (element.GetAttribute("compressed") != kPackingName) return false;
    std::vector<uint8_t> packed;
    std::vector<uint8_t> bytes;
    if (!util::Base64Decode(element.GetText(), packed) || !UnpackBytes(packed, bytes)) return false;
    util::xml::Element parsed;
    if (parsed.Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())) !=
        util::xml::kOk)
        return false;
    description = std::move(parsed);
    return true;
}

} // namespace vex::orb::core
