// Environment variables for the programs a test starts (OpenAL Soft's driver
// list and configuration file, the shader tests' lookup). Values are UTF-8.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

inline void setEnvironmentVariable(const std::string& name, const std::string& value)
{
#ifdef _WIN32
    // The wide call: the narrow one would read a path in the system's code page.
    _wputenv_s(std::filesystem::u8path(name).c_str(), std::filesystem::u8path(value).c_str());
#else
    ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

inline void unsetEnvironmentVariable(const std::string& name)
{
#ifdef _WIN32
    _putenv_s(name.c_str(), "");  // an empty value removes the variable
#else
    ::unsetenv(name.c_str());
#endif
}
