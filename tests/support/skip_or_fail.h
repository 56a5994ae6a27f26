// Tests that cannot run (no display for an OpenGL context, assets not generated)
// skip on a developer's machine but fail where every test must run: under CI, and
// in run-tests.sh, which sets KORVEL_TESTS_MUST_RUN. ctest counts a skip as a pass,
// so a broken display would otherwise leave a green run that tested nothing.
#pragma once

#include <cstdlib>

#include <gtest/gtest.h>

inline bool testsMustRun()
{
    for (const char* name : {"CI", "KORVEL_TESTS_MUST_RUN"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

// In place of GTEST_SKIP(), in a test body or SetUp: SKIP_OR_FAIL("no display").
// The reason may be a stream chain: SKIP_OR_FAIL("missing " << path).
#define SKIP_OR_FAIL(reason)                                                                                 \
    do {                                                                                                     \
        if (testsMustRun())                                                                                  \
            GTEST_FAIL() << "cannot run: " << reason << " (every test must run under CI and run-tests.sh)";  \
        else                                                                                                 \
            GTEST_SKIP() << reason;                                                                          \
    } while (false)
