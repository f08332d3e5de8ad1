#pragma once

#include "core/dedidavazi/DediDavazi.h"
#include "core/dedidavazi/NodeFactory.h"

#include <string>
#include <utility>

namespace vex::orb::core::DediDavazi_Default {

/// Op(a) of the first operand, a missing one counting as 0.
template <typename Op>
class UnaryFunction final : public DediDavazi {
public:
    using Factory = NodeFactory<UnaryFunction>;

    explicit UnaryFunction(std::string name) : DediDavazi(std::move(name)) {}

    /// Takes the element's child 0 as the operand, unless it has no factory.
    void Load(const util::xml::Element& element) { LoadOperands(element, 1); }
    /// Writes exactly one operand element.
    void toXml(util::xml::Element& element) const override { WriteOperands(element, 1); }
    double evaluate() const override { return Op{}(Operand(0)); }
};

} // namespace vex::orb::core::DediDavazi_Default
