// Command-line scanning: every argument is compared with every option.
#include "framework/framework_arguments.h"

#include <gtest/gtest.h>

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
}

class ArgumentsScan : public ::testing::TestWithParam<ArgumentsCase> {};

} // namespace

TEST_P(ArgumentsScan, FillsRecord)
{
    std::vector<const char*> argv = {"korvel"};
    argv.insert(argv.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    // A terminating null like the real argv, which the scan must never reach.
    argv.push_back(nullptr);
    FrameworkArguments parsed;
    parseFrameworkArguments(parsed, static_cast<int>(argv.size()) - 1, argv.data());
    expectSameArguments(parsed, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, ArgumentsScan, ::testing::ValuesIn(argumentCases),
                         [](const auto& info) { return std::string(info.param.name); });
