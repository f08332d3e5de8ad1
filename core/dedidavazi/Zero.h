#pragma once

#include "core/dedidavazi/DediDavazi.h"
#include "core/dedidavazi/NodeFactory.h"

#include <string>
#include <utility>

namespace vex::orb::core::DediDavazi_Default {

/// The constant 0; also what a missing operand is written as.
class Zero final : public DediDavazi {
public:
    using Factory = NodeFactory<Zero>;

    explicit Zero(std::string name = "zero") : DediDavazi(std::move(name)) {}

    /// Reads nothing.
    void Load(const util::xml::Element&) {}
    /// Writes an empty element.
    void toXml(util::xml::Element& element) const override { WriteOperands(element, 0); }
    double evaluate() const override { return 0.0; }
};

} // namespace vex::orb::core::DediDavazi_Default
