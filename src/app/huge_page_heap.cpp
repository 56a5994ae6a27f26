#include "app/huge_page_heap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#ifdef KORVEL_HUGE_PAGE_HEAP
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

bool reserveHugePageHeap()
{
#ifdef KORVEL_HUGE_PAGE_HEAP
    constexpr int LargestHeapBlock = 32 << 20;  // the highest the C library allows
    constexpr std::size_t Reserve = std::size_t(512) << 20;
    constexpr int DefaultTopPad = 128 << 10;
    mallopt(M_MMAP_THRESHOLD, LargestHeapBlock);
    // Above the reserve, so that freeing never gives it back.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    // The next growth of the heap takes the whole reserve; later ones are as usual.
    mallopt(M_TOP_PAD, static_cast<int>(Reserve));
    char* const before = static_cast<char*>(sbrk(0));
    // More than the heap can have free at its top, so that it must grow. The
    // block is the top of the heap, where the next large blocks will go: the
    // marking starts at its page.
    void* const growth = std::malloc(std::size_t(4) << 20);
    bool marked = false;
    if (growth != nullptr && before != reinterpret_cast<char*>(-1)) {
        *static_cast<volatile char*>(growth) = 0;  // a use the compiler cannot drop
        char* const after = static_cast<char*>(sbrk(0));
        const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
        char* const begin = reinterpret_cast<char*>(reinterpret_cast<std::uintptr_t>(growth) & ~(page - 1));
        // A kernel built without huge pages refuses: the heap then only keeps
        // its blocks.
        marked = after >= before + Reserve &&
                 madvise(begin, static_cast<std::size_t>(after - begin), MADV_HUGEPAGE) == 0;
    }
    std::free(growth);
    mallopt(M_TOP_PAD, DefaultTopPad);
    return marked;
#else
    return false;
#endif
}
