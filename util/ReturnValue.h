#pragma once

namespace vex::util {

/// The out-parameter through which an operation on the other side of a module boundary hands
/// back a result: the caller owns the storage and the callee only calls `set`, so the copy is made
/// by code of the caller's module.
template <typename T>
class ReturnValue {
public:
    /// Wraps the caller's `target`, which must outlive this object.
    explicit ReturnValue(T* target) : target_(target) {}

    /// The caller's object.
    virtual T* get() { return target_; }

    /// The caller's object, read-only.
    virtual const T* getConst() const { return target_; }

    /// Copies `value` into the caller's object (unless it is that very object); returns it.
    virtual T* set(const T& value) {
        if (&value != target_) *target_ = value;
        return target_;
    }

    virtual ~ReturnValue() = default;

private:
    T* target_;
};

} // namespace vex::util
