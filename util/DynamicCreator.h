#pragma once

#include <memory>

namespace vex::util {

/// Mix-in for a concrete DynamicObject class `T` that can be made without arguments, so that code
/// holding only the type (a factory table, a template) can create one.
template <typename T>
class DynamicCreator {
public:
    /// A new default-constructed `T`, owned by the caller.
    static std::unique_ptr<T> Create() { return std::make_unique<T>(); }

protected:
    DynamicCreator() = default;
    ~DynamicCreator() = default;
};

} // namespace vex::util
