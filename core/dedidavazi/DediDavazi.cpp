#include "core/dedidavazi/DediDavazi.h"

#include "util/xml/Tag.h"

#include <algorithm>

namespace vex::orb::core {

namespace {

// How many nested create calls are running on this thread: the level of the element being loaded.
thread_local std::size_t loadDepth = 0;

struct DepthGuard {
    DepthGuard() { ++loadDepth; }
    ~DepthGuard() { --loadDepth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

} // namespace

std::unique_ptr<DediDavazi> DediDavazi::create(const util::xml::Element& element) {
    if (!element.IsTag() || loadDepth >= kMaxDepth) return nullptr;
    const Factory* factory = FindFactory(element.GetName());
    if (factory == nullptr) return nullptr;
    DepthGuard level;
    return factory->create(element);
}

void DediDavazi::SetParameter(int index, double value) {
    if (index < 0) return;
    std::vector<double>& parameters = GetRoot().parameters_;
    const auto at = static_cast<std::size_t>(index);
    if (at >= parameters.size()) parameters.resize(at + 1, 0.0);
    parameters[at] = value;
}

void DediDavazi::LoadOperands(const util::xml::Element& element, std::size_t count) {
    const util::xml::Element::Children& children = element.GetChildren();
    count = std::min(count, children.size());
    for (std::size_t i = 0; i < count; ++i)
        if (std::unique_ptr<DediDavazi> operand = create(children[i])) AddChild(operand.release());
}

void DediDavazi::WriteOperands(util::xml::Element& element, std::size_t count) const {
    element = util::xml::Tag(name_);
    for (std::size_t i = 0; i < count; ++i) {
        // Written in place, so that each level is not copied once per level above it.
        util::xml::Element& written = element.AddChild(util::xml::Tag("zero"));
        if (const DediDavazi* child = getChild(i)) child->toXml(written);
    }
}

} // namespace vex::orb::core
