#include "AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace
{
std::atomic<bool> counting{ false };
std::atomic<std::size_t> allocations{ 0 };
std::atomic<std::size_t> deallocations{ 0 };

void* allocate (std::size_t size)
{
    if (counting.load (std::memory_order_relaxed))
        allocations.fetch_add (1, std::memory_order_relaxed);
    if (auto* memory = std::malloc (size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void* allocateAligned (std::size_t size, std::align_val_t alignment)
{
    if (counting.load (std::memory_order_relaxed))
        allocations.fetch_add (1, std::memory_order_relaxed);
    const auto align = static_cast<std::size_t> (alignment);
    const auto rounded = (size + align - 1) / align * align;
    if (auto* memory = std::aligned_alloc (align, rounded == 0 ? align : rounded))
        return memory;
    throw std::bad_alloc();
}

void release (void* memory) noexcept
{
    if (memory != nullptr && counting.load (std::memory_order_relaxed))
        deallocations.fetch_add (1, std::memory_order_relaxed);
    std::free (memory);
}
} // namespace

void* operator new (std::size_t size) { return allocate (size); }
void* operator new[] (std::size_t size) { return allocate (size); }
void* operator new (std::size_t size, std::align_val_t alignment)
{
    return allocateAligned (size, alignment);
}
void* operator new[] (std::size_t size, std::align_val_t alignment)
{
    return allocateAligned (size, alignment);
}
void* operator new (std::size_t size, const std::nothrow_t&) noexcept
{
    try
    {
        return allocate (size);
    }
    catch (...)
    {
        return nullptr;
    }
}
void* operator new[] (std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new (size, tag);
}
void operator delete (void* memory) noexcept { release (memory); }
void operator delete[] (void* memory) noexcept { release (memory); }
void operator delete (void* memory, std::size_t) noexcept { release (memory); }
void operator delete[] (void* memory, std::size_t) noexcept { release (memory); }
void operator delete (void* memory, std::align_val_t) noexcept { release (memory); }
void operator delete[] (void* memory, std::align_val_t) noexcept { release (memory); }
void operator delete (void* memory, std::size_t, std::align_val_t) noexcept { release (memory); }
void operator delete[] (void* memory, std::size_t, std::align_val_t) noexcept { release (memory); }

namespace cvl::test
{
ScopedAllocationCounter::ScopedAllocationCounter()
{
    allocations = 0;
    deallocations = 0;
    counting = true;
}

ScopedAllocationCounter::~ScopedAllocationCounter() { counting = false; }

std::size_t ScopedAllocationCounter::getAllocations() const noexcept { return allocations.load(); }
std::size_t ScopedAllocationCounter::getDeallocations() const noexcept { return deallocations.load(); }
} // namespace cvl::test
