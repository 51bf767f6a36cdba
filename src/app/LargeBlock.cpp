#include "app/LargeBlock.h"

#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace LargeBlock {

namespace {
constexpr std::size_t HugePage = std::size_t(2) << 20;
}

void *allocate(std::size_t bytes)
{
    // aligned_alloc wants a multiple of the alignment; the last page is a partial one anyway.
    const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
    void *block = std::aligned_alloc(HugePage, rounded);
    if (!block)
        throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Only advice: where huge pages are off, the block is ordinary memory.
    madvise(block, rounded, MADV_HUGEPAGE);
#endif
    return block;
}

void release(void *block) noexcept
{
    std::free(block);
}

} // namespace LargeBlock
