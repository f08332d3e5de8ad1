#include "host/scene/AnimCurveNodeTypes.h"

#include "host/scene/AnimCurveData.h"
#include "host/scene/NodeTypeRegistry.h"
#include "host/scene/Scene.h"

#include <algorithm>
#include <array>

namespace vex::host {

namespace {

constexpr std::uint32_t Code(const char (&text)[5]) {
    return std::uint32_t(text[0]) << 24 | std::uint32_t(text[1]) << 16 | std::uint32_t(text[2]) << 8 |
           std::uint32_t(text[3]);
}

// The types register themselves when the library loads, so that nodes of them can be created by name
// (modifiers, commands, scene files) before any anim curve function set is used.
const bool kRegistered = (RegisterAnimCurveNodeTypes(NodeTypeRegistry::Instance()), true);

} // namespace

void RegisterAnimCurveNodeTypes(NodeTypeRegistry& registry) {
    if (registry.Find("animCurve")) return;
    auto base =
        std::make_shared<NodeType>("animCurve", Code("ACRV"), MFn::kAnimCurve, registry.Find("dependNode"));
    auto output = std::make_shared<AttributeDefinition>("output", "o", AttributeKind::kDouble, 0.0);
    output->computed = true;
    output->storable = false;
    output->writable = false;
    base->AddAttribute(output);
    // Infinity, weighting and tangents live in the curve's data (set through MFnAnimCurve, the key
    // commands and scene files), not in attributes of the node.
    auto input = std::make_shared<AttributeDefinition>("input", "i", AttributeKind::kDouble, 0.0);
    base->AddAttribute(input);
    base->SetAbstract(true);
    // Attributes are told apart by identity: this runs for every read of an animated plug.
    base->SetCompute([output, input](const Scene& scene, const Node& node,
                                     const AttributeDefinition& attribute, double time, Value& out) {
        if (&attribute != output.get()) return false;
        if (node.Input(*input)) time = ToDouble(scene.evaluate(node, *input, time));
        // Only curve nodes compute with this: their user object is the curve (looked at without
        // taking a reference, as every animated plug read passes here).
        const auto* curve = static_cast<const AnimCurveData*>(node.UserObject().get());
        out = curve ? curve->evaluate(time) : 0.0;
        return true;
    });
    base->SetOnCreate([](Node& node) { node.SetUserObject(std::make_shared<AnimCurveData>()); });
    registry.Add(base);

    struct Concrete {
        const char* name;
        std::uint32_t id;
        MFn::Type api;
    };
    const Concrete concrete[] = {{"animCurveTL", Code("ACTL"), MFn::kAnimCurveTimeToDistance},
                                 {"animCurveTA", Code("ACTA"), MFn::kAnimCurveTimeToAngular},
                                 {"animCurveTU", Code("ACTU"), MFn::kAnimCurveTimeToUnitless}};
    for (const auto& c : concrete) {
        auto type = std::make_shared<NodeType>(c.name, c.id, c.api, base);
        type->SetOnCreate(base->GetOnCreate());
        registry.Add(type);
    }
}

std::string AnimCurveTypeFor(const AttributeDefinition& attribute) {
    // Lengths among the attributes the host's node types have; other doubles are unitless.
    static const std::array<const char*, 4> kLengths = {"translate", "focusDistance", "nearClipPlane",
                                                        "farClipPlane"};
    const AttributeDefinition& top = attribute.parent() ? *attribute.parent() : attribute;
    if (top.LongName() == "rotate") return "animCurveTA";
    if (std::find(kLengths.begin(), kLengths.end(), top.LongName()) != kLengths.end()) return "animCurveTL";
    return "animCurveTU";
}

} // namespace vex::host
