// The console's text in UTF-8, the encoding every path has inside the game
// (framework/file_path.h). On Linux that is what the console already speaks. On
// Windows the arguments main() receives are in the system's code page, which
// cannot spell every file name, and the console shows bytes in that code page
// too; the wide command line and a UTF-8 console page put that right.
#pragma once

#include <string>
#include <vector>

// The program's arguments as UTF-8, in the argc/argv shape the parsers take.
class Utf8Arguments {
public:
    Utf8Arguments(int argc, char** argv);
    int count() const { return static_cast<int>(pointers.size()) - 1; }
    const char* const* values() const { return pointers.data(); }

private:
    std::vector<std::string> texts;
    std::vector<const char*> pointers;  // into texts, ended by a null pointer
};

// From here to the end of the process the console shows printed UTF-8 as such;
// its previous code page comes back at exit.
void useUtf8Console();
