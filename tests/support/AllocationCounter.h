#pragma once

#include <atomic>
#include <cstddef>

namespace cvl::test
{
// Counts heap allocations and frees made on any thread while a ScopedAllocationCounter is alive.
// The counting replaces the global operator new and delete of the test executable.
class ScopedAllocationCounter
{
public:
    ScopedAllocationCounter();
    ~ScopedAllocationCounter();

    [[nodiscard]] std::size_t getAllocations() const noexcept;
    [[nodiscard]] std::size_t getDeallocations() const noexcept;
};
} // namespace cvl::test
