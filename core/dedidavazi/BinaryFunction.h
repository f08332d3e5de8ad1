#pragma once

#include "core/dedidavazi/DediDavazi.h"
#include "core/dedidavazi/NodeFactory.h"

#include <string>
#include <utility>

namespace vex::orb::core::DediDavazi_Default {

/// Op(a, b) of the first two operands, a missing one counting as 0; a comparison gives 1 or 0.
template <typename Op>
class BinaryFunction final : public DediDavazi {
public:
    using Factory = NodeFactory<BinaryFunction>;

    explicit BinaryFunction(std::string name) : DediDavazi(std::move(name)) {}

    /// Takes the element's children 0 and 1 as the operands, skipping those without a factory.
    void Load(const util::xml::Element& element) { LoadOperands(element, 2); }
    /// Writes exactly two operand elements.
    void toXml(util::xml::Element& element) const override { WriteOperands(element, 2); }
    double evaluate() const override { return static_cast<double>(Op{}(Operand(0), Operand(1))); }
};

} // namespace vex::orb::core::DediDavazi_Default
