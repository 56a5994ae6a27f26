// Helpers for death tests of the fatal-error convention: the child reads its one
// character from the null device (end of input, so it never waits) and prints its lines
// on standard error, where gtest's death tests look for them.
#pragma once

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cstdio>
#include <string>

inline void prepareFatalChild()
{
#ifdef _WIN32
    if (std::freopen("NUL", "r", stdin) == nullptr)
        std::perror("freopen");
    _dup2(2, 1);
#else
    if (std::freopen("/dev/null", "r", stdin) == nullptr)
        std::perror("freopen");
    ::dup2(STDERR_FILENO, STDOUT_FILENO);
#endif
}

// The text as a POSIX extended regular expression matching it literally.
inline std::string literalPattern(const std::string& text)
{
    std::string pattern;
    for (char c : text) {
        if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos)
            pattern += '\\';
        pattern += c;
    }
    return pattern;
}
