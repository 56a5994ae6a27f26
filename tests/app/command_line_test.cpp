// The whole command line: the framework's options, the replay options and the
// sound options are scanned together, so a value that is itself an option is
// both, and an argument is unknown only to all of them.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

// Scans the program name followed by `arguments`.
CommandLine scan(const std::vector<const char*>& arguments)
{
    std::vector<const char*> argv = {"korvel"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    // A terminating null like the real argv, which the scan must never reach.
    argv.push_back(nullptr);
    return parseCommandLine(static_cast<int>(argv.size()) - 1, argv.data());
}

}  // namespace

TEST(CommandLine, DemosAndTimedemo)
{
    const CommandLine parsed = scan({"--play_demo", "in.dem", "--record_demo", "out.dem", "--timedemo"});
    EXPECT_TRUE(parsed.replay.hasPlayDemo);
    EXPECT_EQ(parsed.replay.playDemo, "in.dem");
    EXPECT_TRUE(parsed.replay.hasRecordDemo);
    EXPECT_EQ(parsed.replay.recordDemo, "out.dem");
    EXPECT_TRUE(parsed.replay.timedemo);
    EXPECT_TRUE(parsed.unknownOptions.empty());

    // The value after --record_demo is compared with the options too.
    const CommandLine valueIsOption = scan({"--record_demo", "--timedemo"});
    EXPECT_EQ(valueIsOption.replay.recordDemo, "--timedemo");
    EXPECT_TRUE(valueIsOption.replay.timedemo);
    EXPECT_FALSE(valueIsOption.replay.hasPlayDemo);
}

TEST(CommandLine, SoundOptions)
{
    const CommandLine muted = scan({"--record_audio", "run.wav", "--mute"});
    EXPECT_TRUE(muted.sound.mute);
    EXPECT_TRUE(muted.sound.hasRecordAudio);
    EXPECT_EQ(muted.sound.recordAudio, "run.wav");

    const CommandLine namedMute = scan({"--record_audio", "--mute"});
    EXPECT_TRUE(namedMute.sound.mute);
    EXPECT_EQ(namedMute.sound.recordAudio, "--mute");

    const CommandLine lone = scan({"--record_audio"});
    EXPECT_FALSE(lone.sound.hasRecordAudio);
    EXPECT_TRUE(lone.sound.recordAudio.empty());
}

TEST(CommandLine, OptionsOfEveryRecordFillTheirOwnRecord)
{
    const CommandLine parsed = scan({"--timedemo", "--help", "--filename", "--mute", "--draw", "clear"});
    EXPECT_TRUE(parsed.framework.help);
    EXPECT_TRUE(parsed.replay.timedemo);
    EXPECT_EQ(parsed.framework.filename, "--mute");
    EXPECT_TRUE(parsed.sound.mute);
    EXPECT_EQ(parsed.replay.draw, "clear");
    EXPECT_FALSE(parsed.framework.runHeadless);
}

namespace {

struct UnknownCase {
    const char* name;
    std::vector<const char*> arguments;  // without the program name
    std::vector<std::string> unknown;
};

void PrintTo(const UnknownCase& c, std::ostream* os)
{
    *os << c.name;
}

const UnknownCase UnknownCases[] = {
    {"TypoOfAnOption", {"--run-headless"}, {"--run-headless"}},
    {"ValuesAreNotUnknown", {"--filename", "shot", "--draw", "clear"}, {}},
    {"ValueThatIsAnOptionStaysKnown", {"--filename", "--run_headless", "stray"}, {"stray"}},
    {"SwitchTakesNoValue", {"--timedemo", "fast"}, {"fast"}},
    {"LoneValueOptionAtTheEnd", {"-x", "--filename"}, {"-x"}},
    {"PartialsInOrder",
     {"run_headless", "--run_headless=1", "-filename", "x"},
     {"run_headless", "--run_headless=1", "-filename", "x"}},
    {"EmptyArgument", {""}, {""}},
};

class UnknownOptions : public ::testing::TestWithParam<UnknownCase> {};

// Every row of one record's table: the scan sets it (with the argument after it
// as its value, or that argument unknown for a switch) and --help lists it.
template <class Record>
void expectKnownAndListed(const std::vector<CommandLineOption<Record>>& options, Record CommandLine::*record,
                          const std::string& help)
{
    for (const CommandLineOption<Record>& option : options) {
        const CommandLine parsed = scan({option.name, "value"});
        EXPECT_TRUE(parsed.*record.*option.given) << option.name;
        if (option.value != nullptr) {
            EXPECT_EQ(parsed.*record.*option.value, "value") << option.name;
        }
        const std::vector<std::string> expectedUnknown =
            option.value != nullptr ? std::vector<std::string>{} : std::vector<std::string>{"value"};
        EXPECT_EQ(parsed.unknownOptions, expectedUnknown) << option.name;

        std::string synopsis = std::string("  ") + option.name;
        if (option.valueName != nullptr)
            synopsis += std::string(" ") + option.valueName;
        const std::size_t at = help.find(synopsis + " ");
        ASSERT_NE(at, std::string::npos) << option.name << "\n" << help;
        EXPECT_NE(help.find(option.description, at), std::string::npos) << option.name;
    }
}

}  // namespace

TEST_P(UnknownOptions, AreCollectedInOrder)
{
    EXPECT_EQ(scan(GetParam().arguments).unknownOptions, GetParam().unknown);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, UnknownOptions, ::testing::ValuesIn(UnknownCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OptionTable, EveryOptionIsKnownToTheScanAndListedInTheHelp)
{
    const std::string help = formatOptionsHelp(commandLineOptions());
    expectKnownAndListed(frameworkOptions(), &CommandLine::framework, help);
    expectKnownAndListed(replayOptions(), &CommandLine::replay, help);
    expectKnownAndListed(soundOptions(), &CommandLine::sound, help);
    EXPECT_EQ(commandLineOptions().size(),
              frameworkOptions().size() + replayOptions().size() + soundOptions().size());
}

TEST(OptionTable, NamesAreUniqueAcrossTheRecords)
{
    const std::vector<OptionSynopsis>& options = commandLineOptions();
    for (std::size_t i = 0; i < options.size(); ++i) {
        for (std::size_t j = i + 1; j < options.size(); ++j)
            EXPECT_STRNE(options[i].name, options[j].name);
    }
}
