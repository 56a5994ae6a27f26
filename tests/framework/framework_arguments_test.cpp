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

const ArgumentsCase ArgumentCases[] = {
    {"NoArguments", {}, FrameworkArguments{}},
    {"HeadlessAlone", {"--run_headless"}, headless(false, "")},
    {"HeadlessWithFilename", {"--run_headless", "--filename", "shot"}, headless(true, "shot")},
    {"FilenameValueIsAlsoAnOption", {"--filename", "--run_headless"}, headless(true, "--run_headless")},
    {"SettingsFiles",
     {"--init_camera", "cam.ini", "--init_renderer", "r.ini"},
     withSettings("cam.ini", "r.ini")},
    {"RepeatedOptionOverwrites",
     {"--init_camera", "a.ini", "--init_camera", "b.ini"},
     withSettings("b.ini", "")},
    {"LastOptionWithoutValueIgnored",
     {"--init_camera", "a.ini", "--init_renderer"},
     withSettings("a.ini", "")},
    {"LoneFilenameIgnored", {"--filename"}, FrameworkArguments{}},
    {"UnknownAndPartialIgnored",
     {"run_headless", "--run_headless=1", "-filename", "x"},
     FrameworkArguments{}},
    {"HelpAmongOthers",
     {"--run_headless", "--help"},
     [] {
         FrameworkArguments arguments = headless(false, "");
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
    EXPECT_EQ(actual.help, expected.help);
}

// Scans the program name followed by `arguments`.
FrameworkArguments scanArguments(const std::vector<const char*>& arguments)
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

}  // namespace

TEST_P(ArgumentsScan, FillsRecord)
{
    expectSameArguments(scanArguments(GetParam().arguments), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, ArgumentsScan, ::testing::ValuesIn(ArgumentCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FrameworkOptions, UnknownArgumentsSkipTheValueAfterAnOption)
{
    std::vector<OptionSynopsis> known;
    appendSynopses(known, frameworkOptions());
    const char* const argv[] = {"korvel",  "--filename", "--run_headless", "stray", "--init_camera",
                                "cam.ini", "-x",         "--filename"};
    EXPECT_EQ(unknownArguments(known, 8, argv), (std::vector<std::string>{"stray", "-x"}));
}

TEST(FrameworkOptions, HelpColumnsLineUp)
{
    std::vector<OptionSynopsis> options;
    appendSynopses(options, frameworkOptions());
    // Every description starts in the same column, after at least two spaces.
    std::istringstream lines(formatOptionsHelp(options));
    std::string line;
    std::size_t row = 0;
    std::size_t column = std::string::npos;
    while (std::getline(lines, line)) {
        const OptionSynopsis& option = options.at(row++);
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
