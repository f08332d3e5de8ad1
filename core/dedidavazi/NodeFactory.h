#pragma once

#include "core/dedidavazi/DediDavazi.h"

#include <memory>
#include <string>
#include <utility>

namespace vex::orb::core::DediDavazi_Default {

/// The factory of a node class `Node`: makes a `Node` named after the factory and lets it read its
/// operands or data from the element (`Node(std::string name)` and `void Load(const Element&)`).
template <typename Node>
class NodeFactory final : public DediDavazi::Factory {
public:
    explicit NodeFactory(std::string name) : Factory(std::move(name)) {}

    /// A `Node` with the subtree read from `element`.
    std::unique_ptr<DediDavazi> create(const util::xml::Element& element) const override {
        auto node = std::make_unique<Node>(name());
        node->Load(element);
        return node;
    }
};

} // namespace vex::orb::core::DediDavazi_Default
