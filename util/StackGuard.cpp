#include "util/StackGuard.h"

#include <pthread.h>

#include <cstdint>

namespace vex::util {

namespace {

// The lowest address of the calling thread's stack (stacks grow down on every target we build
// for), read once per thread; 0 when the bounds are unknown.
std::uintptr_t StackFloor() {
    thread_local std::uintptr_t floor = [] {
        pthread_attr_t attr;
        if (pthread_getattr_np(pthread_self(), &attr) != 0) return std::uintptr_t{0};
        void* address = nullptr;
        std::size_t size = 0;
        const bool known = pthread_attr_getstack(&attr, &address, &size) == 0;
        pthread_attr_destroy(&attr);
        return known ? reinterpret_cast<std::uintptr_t>(address) : std::uintptr_t{0};
    }();
    return floor;
}

} // namespace

bool StackGuard::Low() {
    const std::uintptr_t floor = StackFloor();
    if (floor == 0) return false;
    const auto here = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    return here < floor + kReserve;
}

} // namespace vex::util
