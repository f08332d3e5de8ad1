#pragma once

#include "core/dedidavazi/DediDavazi.h"
#include "core/dedidavazi/NodeFactory.h"

#include <memory>
#include <string>
#include <utility>

namespace vex::orb::core::DediDavazi_Default {

/// The sum of any number of operands, added in order; 0 when there are none.
class Sum final : public DediDavazi {
public:
    using Factory = NodeFactory<Sum>;

    explicit Sum(std::string name) : DediDavazi(std::move(name)) {}

    /// Takes every child of the element that has a factory as an operand, in document order.
    void Load(const util::xml::Element& element) { LoadOperands(element, element.CountChildren()); }
    /// Writes all operands.
    void toXml(util::xml::Element& element) const override { WriteOperands(element); }
    double evaluate() const override {
        double sum = 0.0;
        for (const std::unique_ptr<DediDavazi>& child : GetChildren()) sum += child->evaluate();
        return sum;
    }
};

} // namespace vex::orb::core::DediDavazi_Default
