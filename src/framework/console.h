// Console output and the fatal-error convention shared by the whole game.
//
// Every message is one line on standard output, ended with a line feed and a
// flush, so that the order of lines is the order of events even when output is
// piped. Fatal errors print their lines, wait for one character on standard
// input (a console window stays open until Enter is pressed; end of input counts
// as that character, so a run without a terminal never hangs) and end the
// process with exit status 1.
#pragma once

#include <string>
#include <vector>

// Prints one line on standard output and flushes.
void printLine(const std::string& line);

// Prints one line on standard error and flushes (physics set-up failures only).
void printErrorLine(const std::string& line);

// Blocks until one character can be read from standard input, or input ends.
void waitForKeypress();

// Prints each line, waits for one character, then exits with status 1.
[[noreturn]] void fatalError(const std::vector<std::string>& lines);
[[noreturn]] void fatalError(const std::string& line);
