#pragma once

#include <cstddef>

// Memory for the few structures of tens of megabytes that live for the whole run (the
// Computation's rows and their undo copy). Each is put on 2 MB pages where the system offers
// them: the first touch of a 4 KB page costs a page fault, and the 11,000 faults of the
// Computation alone took about 120 ms at every start; on 2 MB pages they are 23.
namespace LargeBlock {

// Never returns null: throws std::bad_alloc like operator new.
void *allocate(std::size_t bytes);
void release(void *block) noexcept;

} // namespace LargeBlock

// For a struct: `VELMORA_LARGE_BLOCK_ALLOCATION` inside its body makes `new` and
// `std::make_unique` use LargeBlock.
#define VELMORA_LARGE_BLOCK_ALLOCATION                                                                       \
    static void *operator new(std::size_t bytes) { return LargeBlock::allocate(bytes); }                   \
    static void operator delete(void *block) noexcept { LargeBlock::release(block); }
