#include "console.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

void printLine(const std::string& line)
{
    std::cout << line << std::endl;
}

void printErrorLine(const std::string& line)
{
    std::cerr << line << std::endl;
}

void waitForKeypress()
{
    // std::getchar returns EOF at once when standard input is closed or a file.
    std::getchar();
}

void fatalError(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        printLine(line);
    waitForKeypress();
    std::exit(1);
}

void fatalError(const std::string& line)
{
    fatalError(std::vector<std::string>{line});
}
