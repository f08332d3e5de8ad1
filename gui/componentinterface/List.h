#pragma once

namespace vex::gui::componentinterface {

/// A container that places its children one after another, in a row or a column.
class List {
public:
    virtual ~List() = default;

    /// True when the children are placed in a row, false for a column.
    virtual bool IsHorizontal() const = 0;
};

} // namespace vex::gui::componentinterface
