#pragma once

#include "platform/dinput/IUnknown.h"

namespace vex::platform::dinput {

/// Gives a DirectInput interface its reference count: created with one reference, deleted when
/// the last is released.
template <typename Interface>
class RefCounted : public Interface {
public:
    RefCounted() = default;
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    ULONG AddRef() override { return ++references_; }
    ULONG Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

protected:
    virtual ~RefCounted() = default;

private:
    ULONG references_ = 1;
};

} // namespace vex::platform::dinput
