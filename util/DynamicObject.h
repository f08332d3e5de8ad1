#pragma once

#include <string>

namespace vex::util {

/// Base of objects that are handled through a base pointer and asked at run time what they are:
/// owned through the base (virtual destructor) and able to name their most-derived class.
class DynamicObject {
public:
    virtual ~DynamicObject() = default;

    /// The qualified name of the object's most-derived class, e.g. "vex::util::Foo<int>".
    virtual std::string GetClassName() const;
};

} // namespace vex::util
