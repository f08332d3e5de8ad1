#pragma once

#include "core/dedidavazi/DediDavazi.h"
#include "core/dedidavazi/NodeFactory.h"

#include <string>
#include <utility>

namespace vex::orb::core::DediDavazi_Default {

/// A fixed number, held as the element's data child.
class Constant final : public DediDavazi {
public:
    using Factory = NodeFactory<Constant>;

    explicit Constant(std::string name, double value = 0.0) : DediDavazi(std::move(name)), value_(value) {}

    /// Reads the number from the element's first child (0 when it is not a number).
    void Load(const util::xml::Element& element);
    /// Writes the element with the number as its data child, in a form that reads back exactly.
    void toXml(util::xml::Element& element) const override;
    double evaluate() const override { return value_; }

private:
    double value_;
};

} // namespace vex::orb::core::DediDavazi_Default
