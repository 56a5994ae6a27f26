// Splits arbitrary bytes at zero bytes into a command line and parses it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "fuzz_check.h"

namespace {

std::vector<std::string> splitAtZeros(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> words{"korvel"};
    std::string word;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    words.push_back(word);
    return words;
}

bool appears(const std::vector<std::string>& words, const std::string& option)
{
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == option)
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> words = splitAtZeros(data, size);
    std::vector<const char*> argv;
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    argv.push_back(nullptr);

    const CommandLine commandLine = parseCommandLine(static_cast<int>(words.size()), argv.data());
    fuzzCheck(commandLine.framework.runHeadless == appears(words, "--run_headless"),
              "headless exactly when the option is given");
    fuzzCheck(!commandLine.framework.hasFilename || appears(words, "--filename"),
              "a file name only after its option");
    fuzzCheck(commandLine.replay.timedemo == appears(words, "--timedemo"),
              "timedemo exactly when the option is given");
    fuzzCheck(commandLine.unknownOptions.size() < words.size(), "at most one unknown per argument");
    for (const std::string& unknown : commandLine.unknownOptions) {
        fuzzCheck(appears(words, unknown), "an unknown option is one of the arguments");
        for (const OptionSynopsis& option : commandLineOptions())
            fuzzCheck(unknown != option.name, "a known option is never unknown");
    }
    return 0;
}
