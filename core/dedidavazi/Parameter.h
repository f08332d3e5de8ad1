#pragma once

#include "core/dedidavazi/DediDavazi.h"
#include "core/dedidavazi/NodeFactory.h"

#include <cstdint>
#include <string>
#include <utility>

namespace vex::orb::core::DediDavazi_Default {

/// The root's parameter at a fixed index, held as the element's data child; 0 while it is not set.
class Parameter final : public DediDavazi {
public:
    using Factory = NodeFactory<Parameter>;

    explicit Parameter(std::string name, std::int32_t index = 0)
        : DediDavazi(std::move(name)), index_(index) {}

    /// Reads the index from the element's first child (0 when it is not a number).
    void Load(const util::xml::Element& element);
    /// Writes the element with the index as its data child.
    void toXml(util::xml::Element& element) const override;
    double evaluate() const override { return GetParameter(index_); }

private:
    std::int32_t index_;
};

} // namespace vex::orb::core::DediDavazi_Default
