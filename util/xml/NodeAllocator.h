#pragma once

#include <cstddef>
#include <new>

namespace vex::util::xml {

namespace node_memory {
/// Storage for `bytes` bytes aligned for any node type (see NodeAllocator).
void* Allocate(std::size_t bytes);
/// Gives back storage from Allocate with the same size.
void Deallocate(void* block, std::size_t bytes) noexcept;
/// The number of slabs currently taken from the heap, over all threads (for tests; 0 when built for
/// the address sanitizer, where every block comes from the heap). Each thread keeps at most its current
/// slab and one slab whose latest frees it has not counted yet.
std::size_t SlabsInUse() noexcept;
} // namespace node_memory

/// The allocator of the child lists, attribute lists and strings of elements.
///
/// A parsed document is hundreds of thousands of small blocks that are made one after the other and
/// usually all freed together, which the general heap handles poorly. Small blocks are therefore cut in
/// sequence from 64 KiB slabs owned by the allocating thread; a slab goes back to the heap when the
/// last block cut from it is freed, from whichever thread. Larger blocks come from the heap directly.
/// Space freed inside a slab is not reused before the whole slab is free, so a tree that is kept for
/// long and changed often holds some spare memory. The allocator is stateless: all instances are equal.
template <typename T>
class NodeAllocator {
public:
    using value_type = T;

    NodeAllocator() noexcept = default;
    template <typename U>
    NodeAllocator(const NodeAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        static_assert(alignof(T) <= alignof(std::max_align_t));
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(node_memory::Allocate(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept {
        node_memory::Deallocate(block, count * sizeof(T));
    }
    /// Destroys a list entry without a virtual call: entries are always exactly of the list's type.
    template <typename U>
    void destroy(U* object) noexcept {
        object->U::~U();
    }

    template <typename U>
    friend bool operator==(const NodeAllocator&, const NodeAllocator<U>&) noexcept {
        return true;
    }
};

} // namespace vex::util::xml
