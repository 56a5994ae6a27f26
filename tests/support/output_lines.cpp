#include "output_lines.h"

#include <functional>
#include <sstream>

namespace {

// Index of the first line `matches` accepts, or -1.
int firstLineWhere(const std::string& output, const std::function<bool(const std::string&)>& matches)
{
    std::istringstream lines(output);
    std::string line;
    for (int index = 0; std::getline(lines, line); ++index) {
        if (matches(line))
            return index;
    }
    return -1;
}

}  // namespace

int lineIndex(const std::string& output, const std::string& line)
{
    return firstLineWhere(output, [&](const std::string& current) { return current == line; });
}

int lineIndexMatching(const std::string& output, const std::string& head, const std::string& tail)
{
    return firstLineWhere(output, [&](const std::string& line) {
        return line.size() >= head.size() + tail.size() && line.compare(0, head.size(), head) == 0 &&
               line.compare(line.size() - tail.size(), tail.size(), tail) == 0;
    });
}

int linesContaining(const std::string& output, const std::string& text)
{
    std::istringstream lines(output);
    std::string line;
    int count = 0;
    while (std::getline(lines, line))
        count += line.find(text) != std::string::npos ? 1 : 0;
    return count;
}
