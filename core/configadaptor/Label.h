#pragma once

#include "core/configadaptor/Node.h"

namespace vex::orb::core::configadaptor::element {

/// A line of text on a configuration page; it edits nothing and writes nothing to profiles.
///
/// Layout form: <label [tooltip]>text</label>.
class Label : public Node {
public:
    /// A label showing `text`.
    Label(std::string text, std::string tooltip);

    util::xml::Element buildLayout() const override;
};

} // namespace vex::orb::core::configadaptor::element
