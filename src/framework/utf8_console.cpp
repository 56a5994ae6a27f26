#include "framework/utf8_console.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

namespace {

#ifdef _WIN32
std::string utf8FromWide(const wchar_t* wide)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return "";
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.pop_back();  // the terminator the call counted
    return text;
}

std::vector<std::string> argumentTexts(int argc, char** argv)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i)
        texts.push_back(utf8FromWide(wide[i]));
    LocalFree(wide);
    return texts;
}

UINT previousOutputCodePage = 0;

void restoreConsoleCodePage()
{
    SetConsoleOutputCP(previousOutputCodePage);
}
#else
std::vector<std::string> argumentTexts(int argc, char** argv)
{
    return std::vector<std::string>(argv, argv + argc);
}
#endif

}  // namespace

Utf8Arguments::Utf8Arguments(int argc, char** argv) : texts(argumentTexts(argc, argv))
{
    for (const std::string& text : texts)
        pointers.push_back(text.c_str());
    pointers.push_back(nullptr);
}

void useUtf8Console()
{
#ifdef _WIN32
    previousOutputCodePage = GetConsoleOutputCP();
    if (previousOutputCodePage != 0 && previousOutputCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        std::atexit(restoreConsoleCodePage);
#endif
}
