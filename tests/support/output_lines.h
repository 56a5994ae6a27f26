// Questions the tests ask of a program's printed output, line by line.
#pragma once

#include <string>

// Index of `line` among the output's lines, or -1.
int lineIndex(const std::string& output, const std::string& line);

// Index of the first output line that starts with `head` and ends with `tail`, or -1.
int lineIndexMatching(const std::string& output, const std::string& head, const std::string& tail);

// Count of output lines containing `text`.
int linesContaining(const std::string& output, const std::string& text);
