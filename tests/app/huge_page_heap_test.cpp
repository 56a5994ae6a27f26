// The heap's huge-page reserve: a large block the game allocates after it lies
// in the heap, in memory marked for huge pages, and not in a mapping of its own.
#include "app/huge_page_heap.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

// The flags /proc/self/smaps gives the mapping that holds `address`; empty
// when none does.
std::string mappingFlags(const void* address)
{
    const auto where = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    while (std::getline(smaps, line)) {
        std::uintptr_t start = 0, end = 0;
        char dash = 0;
        std::istringstream fields(line);
        if (fields >> std::hex >> start >> dash >> end && dash == '-' && line.find(':') > line.find(' '))
            inside = start <= where && where < end;
        else if (inside && line.rfind("VmFlags:", 0) == 0)
            return line;
    }
    return "";
}

TEST(HugePageHeap, LargeBlocksAfterTheReserveComeFromMemoryMarkedForHugePages)
{
    // A Linux build without sanitizers must have it: a header that stopped
    // seeing glibc's macros would otherwise turn this test vacuous.
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    EXPECT_TRUE(HugePageHeapIsBuilt);
#endif
    const bool reserved = reserveHugePageHeap();
    if (!HugePageHeapIsBuilt) {
        EXPECT_FALSE(reserved);
        return;
    }
    ASSERT_TRUE(reserved);
    // Twice the size of an 800 x 800 four-sample colour buffer.
    void* block = std::malloc(std::size_t(20) << 20);
    ASSERT_NE(block, nullptr);
    const std::string flags = mappingFlags(block);
    std::free(block);
    EXPECT_NE(flags.find(" hg"), std::string::npos) << flags;
}

}  // namespace
