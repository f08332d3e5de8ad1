#pragma once

#include "core/configadaptor/Node.h"

namespace vex::orb::core::configadaptor::element {

/// A button on a configuration page: pressing it tells the callback its label. It writes nothing to
/// profiles.
///
/// Layout form: a row holding <button id fixed="no" minheight="20" minwidth="80" [tooltip] label/>.
class Button : public Node {
public:
    /// A button with parameter id `id` calling `callback` when pressed.
    Button(int32_t id, std::string label, std::string tooltip, CInterface::Callback* callback);

    /// The user pressed the button: the callback's onEvent (label) runs inside one host undo group
    /// labelled with the label, so whatever the tool changes undoes as one step.
    void Press();
    /// Any value presses the button (scripted access).
    void setValue(double value) override;
    util::xml::Element buildLayout() const override;
};

} // namespace vex::orb::core::configadaptor::element
