#pragma once

#include "host/builtins/Units.h"
#include "host/scene/AnimCurveData.h"

#include <cstddef>
#include <span>
#include <string>

namespace vex::host::file {

/// An anim curve's settings and per-key tangents as scene files hold them, written and read the way
/// Maya writes them around the key list: ".tan" (the default tangent type's code) and ".wgt" before
/// it; after it the lists that differ from the defaults, ".kit"/".kot" (tangent type codes),
/// ".ktl"/".kwl" (locks), ".kix"/".kiy"/".kox"/".koy" (fixed tangents, x in seconds), then
/// ".pre"/".pst" (infinity). Values are in the scene's internal units, which written files declare.
/// Breakdown marks (".kb") and tick drawing (".ktd") are read and dropped: the host has neither.
class CurveAttributeText {
public:
    /// The lines that go before the curve's key list, each "\tsetAttr ...;\n".
    static std::string Leading(const AnimCurveData& curve);
    /// The lines that go after it.
    static std::string Trailing(const AnimCurveData& curve);

    /// Whether `attribute` (a short or long name) is one of the curve attributes read here.
    static bool Handles(const std::string& attribute);
    /// Applies a setAttr of `attribute` to `curve`: one value for the settings, or the values of a
    /// list that starts at key `first`. Tangent y values are given in the unit `kind` has for the
    /// script (see units::ToInternal). False with `error`, and the curve unchanged, on bad input.
    static bool Apply(AnimCurveData& curve, const std::string& attribute, std::size_t first,
                      std::span<const std::string> words, builtins::units::Kind kind, std::string& error);
};

} // namespace vex::host::file
