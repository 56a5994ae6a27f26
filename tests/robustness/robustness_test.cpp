#include "robustness_test.h"

#include <sstream>

int linesContaining(const std::string& output, const std::string& text)
{
    std::istringstream lines(output);
    std::string line;
    int count = 0;
    while (std::getline(lines, line))
        count += line.find(text) != std::string::npos ? 1 : 0;
    return count;
}
