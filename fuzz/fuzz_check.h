// A check that stops a fuzz run the way a sanitizer would, so that libFuzzer
// keeps the input that broke a promise of the code under test.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void fuzzCheck(bool holds, const char* promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}
