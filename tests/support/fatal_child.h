// Helpers for death tests of the fatal-error convention: the child reads its one
// character from /dev/null (end of input, so it never waits) and prints its lines
// on standard error, where gtest's death tests look for them.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <string>

inline void prepareFatalChild()
{
    if (std::freopen("/dev/null", "r", stdin) == nullptr)
        std::perror("freopen");
    ::dup2(STDERR_FILENO, STDOUT_FILENO);
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
