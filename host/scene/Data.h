#pragma once

#include "host/scene/Object.h"

#include <memory>

namespace vex::host {

/// Base of the values that do not fit a plain attribute value: geometry (mesh, curve, surface) and any
/// data a plug-in stores. A value held by an attribute is shared and never changed in place: a writer
/// clones it, edits the clone and sets the clone back, so an undo record keeps the old value intact.
class Data : public Object {
public:
    /// A deep copy of this value.
    virtual std::shared_ptr<Data> Clone() const = 0;

    bool HasFn(MFn::Type type) const override { return Object::HasFn(type) || type == MFn::kData; }
};

using DataPtr = std::shared_ptr<const Data>;

} // namespace vex::host
