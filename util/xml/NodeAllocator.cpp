#include "util/xml/NodeAllocator.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#define VEX_XML_PLAIN_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VEX_XML_PLAIN_HEAP 1
#endif
#endif

namespace vex::util::xml::node_memory {

#ifdef VEX_XML_PLAIN_HEAP

// Under the address sanitizer every block comes from the heap, so overruns are still caught.
void* Allocate(std::size_t bytes) {
    return ::operator new(bytes);
}
void Deallocate(void* block, std::size_t) noexcept {
    ::operator delete(block);
}
std::size_t SlabsInUse() noexcept {
    return 0;
}

#else

namespace {

constexpr std::size_t kSlabSize = std::size_t{64} << 10;
constexpr std::size_t kLargest = 2048; // larger blocks come from the heap
constexpr std::size_t kAlignment = alignof(std::max_align_t);
// While a slab is the current one of its thread, its count carries this bias, so frees from any thread
// cannot bring it to zero; retiring the slab replaces the bias by the number of blocks cut from it.
constexpr std::uint64_t kBias = std::uint64_t{1} << 62;

std::atomic<std::size_t> slabsInUse{0};

// The header at the start of each slab (slabs are aligned to their size, so a block finds its slab by
// masking its address).
struct Slab {
    std::atomic<std::uint64_t> live;
};
constexpr std::size_t kHeaderSize = (sizeof(Slab) + kAlignment - 1) / kAlignment * kAlignment;

void Release(Slab* slab, std::uint64_t count) {
    if (slab->live.fetch_sub(count, std::memory_order_acq_rel) == count) {
        slab->~Slab();
        slabsInUse.fetch_sub(1, std::memory_order_relaxed);
        ::operator delete (slab, std::align_val_t{kSlabSize});
    }
}

// The slab a thread cuts its blocks from, and the frees it has not yet counted: a tree is freed in
// about the order it was made, so most frees fall in the same slab as the one before and are counted
// together. It has no destructor, so a block freed during the thread's last destructors still finds
// it; Cleanup hands its slabs back when the thread ends.
struct Current {
    Slab* slab = nullptr;
    char* next = nullptr;
    char* end = nullptr;
    std::uint64_t blocks = 0;
    Slab* freedSlab = nullptr;
    std::uint64_t freed = 0;

    void Start();
    void Free(Slab* from);
    void Flush() {
        if (freedSlab) Release(freedSlab, freed);
        freedSlab = nullptr;
        freed = 0;
    }
    void Retire() {
        if (slab) Release(slab, kBias - blocks);
        slab = nullptr;
        next = end = nullptr;
        blocks = 0;
    }
};

thread_local constinit Current current;

struct Cleanup {
    ~Cleanup() {
        current.Flush();
        current.Retire();
    }
};
thread_local Cleanup cleanup;

// Makes sure Cleanup runs when this thread ends.
void EnsureCleanup() {
    static_cast<void>(&cleanup);
}

void Current::Start() {
    EnsureCleanup();
    Retire();
    void* memory = ::operator new (kSlabSize, std::align_val_t{kSlabSize});
    slab = new (memory) Slab{kBias};
    slabsInUse.fetch_add(1, std::memory_order_relaxed);
    next = static_cast<char*>(memory) + kHeaderSize;
    end = static_cast<char*>(memory) + kSlabSize;
}

void Current::Free(Slab* from) {
    if (from != freedSlab) {
        EnsureCleanup();
        Flush();
        freedSlab = from;
    }
    ++freed;
}

} // namespace

void* Allocate(std::size_t bytes) {
    if (bytes > kLargest) return ::operator new(bytes);
    bytes = bytes == 0 ? kAlignment : (bytes + kAlignment - 1) & ~(kAlignment - 1);
    Current& c = current;
    if (static_cast<std::size_t>(c.end - c.next) < bytes) c.Start();
    void* block = c.next;
    c.next += bytes;
    ++c.blocks;
    return block;
}

std::size_t SlabsInUse() noexcept {
    return slabsInUse.load(std::memory_order_relaxed);
}

void Deallocate(void* block, std::size_t bytes) noexcept {
    if (bytes > kLargest) {
        ::operator delete(block);
        return;
    }
    auto address = reinterpret_cast<std::uintptr_t>(block);
    current.Free(reinterpret_cast<Slab*>(address & ~(std::uintptr_t{kSlabSize} - 1)));
}

#endif

} // namespace vex::util::xml::node_memory
