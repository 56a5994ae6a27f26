// Paths travel through the game as UTF-8 strings: from the command line, the
// asset search and the settings to every place a file is opened. There they
// become the platform's own path type, which on Windows holds UTF-16, so a
// folder named outside the system's code page ("Spiele – Ärger 迷宫" on a
// Western system) opens as well as any other. On Linux both are the same bytes.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// The path a UTF-8 string names, ready for std::fstream and std::filesystem.
std::filesystem::path filePath(const std::string& utf8);

// A path back as UTF-8.
std::string utf8Path(const std::filesystem::path& path);

// std::fopen for a UTF-8 path (the wide call on Windows).
std::FILE* openFile(const std::string& utf8, const char* mode);
