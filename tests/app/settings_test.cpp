// SettingsFile: inih's line syntax as the game relies on it, and the typed queries.
#include "app/settings.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

#include "app/input/control_settings.h"
#include "audio/audio_settings.h"
#include "framework/asset_search.h"

namespace fs = std::filesystem;

namespace {

// Writes text to a fresh temporary file and parses it without the asset search.
class SettingsText : public ::testing::Test {
protected:
    SettingsFile parse(const std::string& text)
    {
        return SettingsFile("test.ini", folder.write("test.ini", text));
    }

    const ScratchFolder folder{"korvel-settings"};
};

struct IntCase {
    const char* name;
    const char* value;
    std::int32_t expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const IntCase& c, std::ostream* os)
{
    *os << c.name;
}

const IntCase IntCases[] = {
    {"Decimal", "1024", 1024}, {"Hexadecimal", "0x400", 1024},
    {"Octal", "010", 8},       {"TrailingText", "800px", 800},
    {"Negative", "-3", -3},    {"NotANumber", "abc", 800},
    {"Empty", "", 800},        {"LeadingBlankInside", "+ 5", 800},
};

class IntValues : public SettingsText, public ::testing::WithParamInterface<IntCase> {};

struct BoolCase {
    const char* name;
    const char* value;
    bool defaultValue;
    bool expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const BoolCase& c, std::ostream* os)
{
    *os << c.name;
}

const BoolCase BoolCases[] = {
    {"TrueWord", "true", false, true},     {"YesMixedCase", "Yes", false, true},
    {"OnUpper", "ON", false, true},        {"One", "1", false, true},
    {"FalseWord", "FALSE", true, false},   {"No", "no", true, false},
    {"Off", "off", true, false},           {"Zero", "0", true, false},
    {"SingleLetter", "y", false, false},   {"SingleLetterKeepsTrue", "y", true, true},
    {"LongerWord", "true2", false, false}, {"EmptyKeepsDefault", "", true, true},
};

class BoolValues : public SettingsText, public ::testing::WithParamInterface<BoolCase> {};

}  // namespace

TEST_P(IntValues, ConvertLikeStrtolBaseZero)
{
    const SettingsFile settings = parse(std::string("[window]\nwidth = ") + GetParam().value + "\n");
    EXPECT_EQ(settings.getInt("window", "width", 800), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Widths, IntValues, ::testing::ValuesIn(IntCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(BoolValues, AcceptOnlyTheEightWords)
{
    const SettingsFile settings = parse(std::string("[window]\nfullscreen = ") + GetParam().value + "\n");
    EXPECT_EQ(settings.getBool("window", "fullscreen", GetParam().defaultValue), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Words, BoolValues, ::testing::ValuesIn(BoolCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsText, SectionAndNameFoldToLowerCase)
{
    const SettingsFile settings = parse("[Window]\nWIDTH = 1024\n");
    EXPECT_EQ(settings.parseResult, 0);
    EXPECT_EQ(settings.values.count("window=width"), 1u);
    EXPECT_EQ(settings.getInt("WINDOW", "Width", 800), 1024);
}

TEST_F(SettingsText, RepeatedKeyJoinsValues)
{
    const SettingsFile settings =
        parse("[window]\nwidth = 640\nwidth = 1024\nfullscreen = yes\nfullscreen = yes\n");
    EXPECT_EQ(settings.getString("window", "width", ""), "640\n1024");
    EXPECT_EQ(settings.getInt("window", "width", 800), 640);
    EXPECT_FALSE(settings.getBool("window", "fullscreen", false));
}

TEST_F(SettingsText, InlineCommentNeedsBlankBeforeSemicolon)
{
    const SettingsFile settings = parse("[window]\ntitle = My Game ; the name\nother = My;Game\n");
    EXPECT_EQ(settings.getString("window", "title", "x"), "My Game");
    EXPECT_EQ(settings.getString("window", "other", "x"), "My;Game");
}

TEST_F(SettingsText, EmptyValueIsNotTheDefault)
{
    const SettingsFile settings = parse("[window]\ntitle =\n");
    EXPECT_EQ(settings.getString("window", "title", "KORVEL 2024"), "");
}

TEST_F(SettingsText, MissingKeySectionAndUnparsableValueGiveDefaults)
{
    const SettingsFile settings = parse("[camera]\nfov = wide\n");
    EXPECT_DOUBLE_EQ(settings.getReal("camera", "fov", 60.0), 60.0);
    EXPECT_DOUBLE_EQ(settings.getReal("camera", "far", 100.0), 100.0);
    EXPECT_EQ(settings.getString("window", "title", "KORVEL 2024"), "KORVEL 2024");
}

TEST_F(SettingsText, RealsConvertLikeStrtod)
{
    const SettingsFile settings = parse("[camera]\nnear = 0.25m\nfar = 1e2\nyaw = -.5\n");
    EXPECT_DOUBLE_EQ(settings.getReal("camera", "near", 0.1), 0.25);
    EXPECT_DOUBLE_EQ(settings.getReal("camera", "far", 0.0), 100.0);
    EXPECT_DOUBLE_EQ(settings.getReal("camera", "yaw", 0.0), -0.5);
    // The near default is a float widened to double, so it narrows back exactly.
    EXPECT_EQ(static_cast<float>(settings.getReal("camera", "pitch", double(0.1f))), 0.1f);
}

TEST_F(SettingsText, ByteOrderMarkAndCommentsAreSkipped)
{
    const SettingsFile settings = parse("\xEF\xBB\xBF[window]\n; note\n# note\nwidth = 5\n");
    EXPECT_EQ(settings.parseResult, 0);
    EXPECT_EQ(settings.getInt("window", "width", 800), 5);
}

TEST_F(SettingsText, ColonSeparatesAndEntriesBeforeHeaderHaveEmptySection)
{
    const SettingsFile settings = parse("loose: 7\n[window]\nwidth: 9\n");
    EXPECT_EQ(settings.getInt("", "loose", 0), 7);
    EXPECT_EQ(settings.getInt("window", "width", 0), 9);
}

TEST_F(SettingsText, ContinuationLineJoinsPreviousValue)
{
    const SettingsFile settings = parse("[window]\ntitle = first\n  second\n");
    EXPECT_EQ(settings.getString("window", "title", ""), "first\nsecond");
}

TEST_F(SettingsText, SyntaxErrorReportsFirstLineAndKeepsParsing)
{
    ::testing::internal::CaptureStdout();
    const SettingsFile settings = parse("[window]\nwidth = 5\nbroken line\n[open\nheight = 6\n");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(settings.parseResult, 3);
    EXPECT_EQ(settings.getInt("window", "height", 0), 6);
}

TEST_F(SettingsText, OverlongLineIsSplitIntoAFurtherLine)
{
    const std::string value(250, 'x');
    const SettingsFile settings = parse("[window]\ntitle = " + value + "\nwidth = 3\n");
    // The 200-byte buffer holds 199 characters of the line; the rest is a line of
    // its own without "=", a syntax error on line 3.
    EXPECT_EQ(settings.getString("window", "title", ""), std::string(199 - 8, 'x'));
    EXPECT_EQ(settings.parseResult, 3);
    EXPECT_EQ(settings.getInt("window", "width", 0), 3);
}

TEST(SettingsFileLookup, MissingFilePrintsOneLineAndUsesDefaults)
{
    ::testing::internal::CaptureStdout();
    const SettingsFile settings("assets/settings/korvel_other.ini");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "ERROR: Failed to load 'assets/settings/korvel_other.ini'. Using default values "
              "instead.\n");
    EXPECT_EQ(settings.parseResult, -1);
    EXPECT_EQ(settings.getInt("window", "width", 800), 800);
}

TEST(SettingsFileLookup, FileBesideExecutableIsFoundBySearch)
{
    const fs::path file =
        fs::path(executableDirectory()) / ("korvel_lookup_test_" + std::to_string(::getpid()) + ".ini");
    std::ofstream(file) << "[camera]\nfov = 75\n";
    ::testing::internal::CaptureStdout();
    const SettingsFile settings(file.filename().string());
    const std::string output = ::testing::internal::GetCapturedStdout();
    fs::remove(file);
    EXPECT_EQ(output, "");
    EXPECT_EQ(settings.parseResult, 0);
    EXPECT_DOUBLE_EQ(settings.getReal("camera", "fov", 60.0), 75.0);
}

// The shipped files spell out every default, so reading them changes nothing.
TEST(ShippedSettings, EveryKeyIsWrittenWithItsDefault)
{
    ::testing::internal::CaptureStdout();
    const SettingsFile window("assets/settings/window.ini");
    const SettingsFile camera("assets/settings/camera_front.ini");
    const SettingsFile renderer("assets/settings/renderer_standard.ini");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    for (const SettingsFile* file : {&window, &camera, &renderer})
        EXPECT_EQ(file->parseResult, 0);

    EXPECT_EQ(window.values.size(), 11u);
    EXPECT_EQ(window.getInt("window", "width", -1), 800);
    EXPECT_EQ(window.getInt("window", "height", -1), 800);
    EXPECT_EQ(window.getInt("window", "refresh_rate", -1), 60);
    EXPECT_FALSE(window.getBool("window", "fullscreen", true));
    EXPECT_EQ(window.getString("window", "title", ""), "KORVEL 2024");
    EXPECT_EQ(static_cast<float>(window.getReal("audio", "volume", -1.0)), AudioSettings{}.volume);
    EXPECT_EQ(window.getBool("audio", "mute", true), AudioSettings{}.mute);
    EXPECT_FALSE(window.getBool("window", "resizable", true));
    const ControlSettings controls;
    EXPECT_EQ(static_cast<float>(window.getReal("controls", "mouse_sensitivity", -1.0)),
              controls.mouseSensitivity);
    EXPECT_EQ(window.getBool("controls", "invert_y", true), controls.invertY);
    EXPECT_EQ(static_cast<float>(window.getReal("controls", "gamepad_look_speed", -1.0)),
              controls.gamepadLookSpeed);

    EXPECT_EQ(camera.values.size(), 5u);
    EXPECT_DOUBLE_EQ(camera.getReal("camera", "fov", -1.0), 60.0);
    EXPECT_EQ(static_cast<float>(camera.getReal("camera", "near", -1.0)), 0.1f);
    EXPECT_DOUBLE_EQ(camera.getReal("camera", "far", -1.0), 100.0);
    EXPECT_DOUBLE_EQ(camera.getReal("camera", "yaw", -1.0), 0.0);
    EXPECT_DOUBLE_EQ(camera.getReal("camera", "pitch", -1.0), 0.0);

    EXPECT_EQ(renderer.values.size(), 5u);
    for (const char* flag : {"wireframe", "backface_culling", "normals", "texcoords"})
        EXPECT_FALSE(renderer.getBool("renderer", flag, true)) << flag;
    EXPECT_TRUE(renderer.getBool("renderer", "depthtest", false));
}
