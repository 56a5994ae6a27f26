// Huge pages for the heap, asked for before anything big is allocated.
//
// A start-up fills some two hundred megabytes for the first time: the
// driver's framebuffers, textures and shadow maps, the stored light, the
// models. Every 4 KB page of it is a fault the kernel serves on first touch,
// and on a virtual machine drawing without a GPU those faults were a third of
// a warm start (about 10 microseconds each). With transparent huge pages one
// fault maps 2 MB; but the kernel gives them only where a program asks
// (madvise), and the C library gives every large block a mapping of its own,
// where nobody could ask. So the heap is made to hold the large blocks too:
// blocks up to 32 MB come from it, it grows once by a reserve that is marked
// for huge pages, and it keeps what is freed for the next block instead of
// handing it back. The reserve is address space only; what is touched costs
// memory, about 20 MB more at the peak than before.
#pragma once

#include <cstddef>  // on glibc, defines __GLIBC__ for the test below

// Whether this build can do it: glibc on Linux, with its own allocator (a
// sanitizer brings another, which would not read the settings).
#if defined(__linux__) && defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
#define KORVEL_HUGE_PAGE_HEAP 1
constexpr bool HugePageHeapIsBuilt = true;
#else
constexpr bool HugePageHeapIsBuilt = false;
#endif

// Sets the heap up as above, once, at the start of main() while the process
// has no other thread. False where this build cannot, or where the heap did
// not grow by the reserve (the allocator is not the one it configured, say);
// the game runs as well either way, only its start is slower.
bool reserveHugePageHeap();
