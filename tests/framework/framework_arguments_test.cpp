// Command-line scanning: every argument is compared with every option.
#include "framework/framework_arguments.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct ArgumentsCase {
    const char* name;
    std::vector<const char*> arguments;  // without the program name
    FrameworkArguments expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ArgumentsCase& c, std::ostream* os)
{
    *os << c.name;
}

FrameworkArguments headless(bool hasFilename, std::string filename)
{
    FrameworkArguments arguments;
    arguments.runHeadless = true;
    arguments.hasFilename = hasFilename;
    arguments.filename = std::move(filename);
    return arguments;
}

FrameworkArguments withSettings(std::string camera, std::string renderer)
{
    FrameworkArguments arguments;
    arguments.hasInitCamera = !camera.empty();
    arguments.initCamera = std::move(camera);
    arguments.hasInitRenderer = !renderer.empty();
    arguments.initRenderer = std::move(renderer);
    return arguments;
}

FrameworkArguments demos(std::string play, std::string record, bool timedemo)
{
    FrameworkArguments arguments;
    arguments.hasPlayDemo = !play.empty();
    arguments.playDemo = std::move(play);
    arguments.hasRecordDemo = !record.empty();
    arguments.recordDemo = std::move(record);
    arguments.timedemo = timedemo;
    return arguments;
}

FrameworkArguments sound(bool mute, std::string record)
{
    FrameworkArguments arguments;
    arguments.mute = mute;
    arguments.hasRecordAudio = !record.empty();
    arguments.recordAudio = std::move(record);
    return arguments;
}

const ArgumentsCase argumentCases[] = {
    {"NoArguments", {}, FrameworkArguments{}},
    {"HeadlessAlone", {"--run_headless"}, headless(false, "")},
    {"HeadlessWithFilename", {"--run_headless", "--filename", "shot"}, headless(true, "shot")},
    {"FilenameValueIsAlsoAnOption", {"--filename", "--run_headless"},
     headless(true, "--run_headless")},
    {"SettingsFiles", {"--init_camera", "cam.ini", "--init_renderer", "r.ini"},
     withSettings("cam.ini", "r.ini")},
    {"RepeatedOptionOverwrites", {"--init_camera", "a.ini", "--init_camera", "b.ini"},
     withSettings("b.ini", "")},
    {"LastOptionWithoutValueIgnored", {"--init_camera", "a.ini", "--init_renderer"},
     withSettings("a.ini", "")},
    {"LoneFilenameIgnored", {"--filename"}, FrameworkArguments{}},
    {"UnknownAndPartialIgnored", {"run_headless", "--run_headless=1", "-filename", "x"},
     FrameworkArguments{}},
    {"Demos", {"--play_demo", "in.dem", "--record_demo", "out.dem", "--timedemo"},
     demos("in.dem", "out.dem", true)},
    {"DemoValueComparedToo", {"--record_demo", "--timedemo"}, demos("", "--timedemo", true)},
    {"MutedRecording", {"--record_audio", "run.wav", "--mute"}, sound(true, "run.wav")},
    {"RecordingNamedMute", {"--record_audio", "--mute"}, sound(true, "--mute")},
    {"LoneRecordAudioIgnored", {"--record_audio"}, FrameworkArguments{}},
    {"HelpAmongOthers", {"--timedemo", "--help"}, [] {
         FrameworkArguments arguments = demos("", "", true);
         arguments.help = true;
         return arguments;
     }()},
};

void expectSameArguments(const FrameworkArguments& actual, const FrameworkArguments& expected)
{
    EXPECT_EQ(actual.runHeadless, expected.runHeadless);
    EXPECT_EQ(actual.hasFilename, expected.hasFilename);
    EXPECT_EQ(actual.filename, expected.filename);
    EXPECT_EQ(actual.hasInitCamera, expected.hasInitCamera);
    EXPECT_EQ(actual.initCamera, expected.initCamera);
    EXPECT_EQ(actual.hasInitRenderer, expected.hasInitRenderer);
    EXPECT_EQ(actual.initRenderer, expected.initRenderer);
    EXPECT_EQ(actual.hasPlayDemo, expected.hasPlayDemo);
    EXPECT_EQ(actual.playDemo, expected.playDemo);
    EXPECT_EQ(actual.hasRecordDemo, expected.hasRecordDemo);
    EXPECT_EQ(actual.recordDemo, expected.recordDemo);
    EXPECT_EQ(actual.timedemo, expected.timedemo);
    EXPECT_EQ(actual.mute, expected.mute);
    EXPECT_EQ(actual.hasRecordAudio, expected.hasRecordAudio);
    EXPECT_EQ(actual.recordAudio, expected.recordAudio);
    EXPECT_EQ(actual.help, expected.help);
}

// Scans the program name followed by `arguments`.
FrameworkArguments parseCommandLine(const std::vector<const char*>& arguments)
{
    std::vector<const char*> argv = {"korvel"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    // A terminating null like the real argv, which the scan must never reach.
    argv.push_back(nullptr);
    FrameworkArguments parsed;
    parseFrameworkArguments(parsed, static_cast<int>(argv.size()) - 1, argv.data());
    return parsed;
}

class ArgumentsScan : public ::testing::TestWithParam<ArgumentsCase> {};

} // namespace

TEST_P(ArgumentsScan, FillsRecord)
{
    expectSameArguments(parseCommandLine(GetParam().arguments), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, ArgumentsScan, ::testing::ValuesIn(argumentCases),
                         [](const auto& info) { return std::string(info.param.name); });

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

const UnknownCase unknownCases[] = {
    {"TypoOfAnOption", {"--run-headless"}, {"--run-headless"}},
    {"ValuesAreNotUnknown", {"--filename", "shot", "--draw", "clear"}, {}},
    {"ValueThatIsAnOptionStaysKnown", {"--filename", "--run_headless", "stray"}, {"stray"}},
    {"SwitchTakesNoValue", {"--timedemo", "fast"}, {"fast"}},
    {"LoneValueOptionAtTheEnd", {"-x", "--filename"}, {"-x"}},
    {"PartialsInOrder", {"run_headless", "--run_headless=1", "-filename", "x"},
     {"run_headless", "--run_headless=1", "-filename", "x"}},
    {"EmptyArgument", {""}, {""}},
};

class UnknownOptions : public ::testing::TestWithParam<UnknownCase> {};

} // namespace

TEST_P(UnknownOptions, AreCollectedInOrder)
{
    EXPECT_EQ(parseCommandLine(GetParam().arguments).unknownOptions, GetParam().unknown);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, UnknownOptions, ::testing::ValuesIn(unknownCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OptionTable, EveryOptionIsKnownToTheScanAndListedInTheHelp)
{
    const std::string help = formatOptionsHelp();
    for (const FrameworkOption& option : frameworkOptions()) {
        const FrameworkArguments parsed = parseCommandLine({option.name, "value"});
        EXPECT_TRUE(parsed.*option.given) << option.name;
        if (option.value != nullptr) {
            EXPECT_EQ(parsed.*option.value, "value") << option.name;
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

TEST(OptionTable, NamesAreUniqueAndHelpColumnsLineUp)
{
    const std::vector<FrameworkOption>& options = frameworkOptions();
    for (std::size_t i = 0; i < options.size(); ++i) {
        for (std::size_t j = i + 1; j < options.size(); ++j)
            EXPECT_STRNE(options[i].name, options[j].name);
    }
    // Every description starts in the same column, after at least two spaces.
    std::istringstream lines(formatOptionsHelp());
    std::string line;
    std::size_t row = 0;
    std::size_t column = std::string::npos;
    while (std::getline(lines, line)) {
        const FrameworkOption& option = options.at(row++);
        const std::size_t at = line.rfind(option.description);
        ASSERT_NE(at, std::string::npos) << line;
        if (column == std::string::npos)
            column = at;
        EXPECT_EQ(at, column) << line;
        EXPECT_EQ(line.substr(at - 2, 2), "  ") << line;
    }
    EXPECT_EQ(row, options.size());
    EXPECT_EQ(unknownOptionLine("--run-headless"), "Unknown option: --run-headless (see --help)");
}
