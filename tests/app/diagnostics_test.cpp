// Word tables and line formats of the diagnostic callbacks.
#include "app/diagnostics.h"

#include <gtest/gtest.h>

namespace {

struct WordCase {
    const char* name;
    GLenum value;
    const char* word;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const WordCase& c, std::ostream* os)
{
    *os << c.name;
}

const WordCase SourceCases[] = {
    {"Api", GL_DEBUG_SOURCE_API, "API"},
    {"ApiAmd", 0x9149, "API"},
    {"WindowSystem", GL_DEBUG_SOURCE_WINDOW_SYSTEM, "Window System"},
    {"WindowSystemAmd", 0x914A, "Window System"},
    {"ShaderCompiler", GL_DEBUG_SOURCE_SHADER_COMPILER, "Shader Compiler"},
    {"ShaderCompilerAmd", 0x914E, "Shader Compiler"},
    {"ThirdParty", GL_DEBUG_SOURCE_THIRD_PARTY, "Third Party"},
    {"Application", GL_DEBUG_SOURCE_APPLICATION, "Application"},
    {"ApplicationAmd", 0x914F, "Application"},
    {"Other", GL_DEBUG_SOURCE_OTHER, "Other"},
    {"OtherAmd", 0x9150, "Other"},
    {"DeprecationAmdIsNoSource", 0x914B, "Unknown"},
    {"Zero", 0, "Unknown"},
};

const WordCase TypeCases[] = {
    {"Error", GL_DEBUG_TYPE_ERROR, "Error"},
    {"Deprecated", GL_DEBUG_TYPE_DEPRECATED_BEHAVIOR, "Deprecated Behavior"},
    {"DeprecatedAmd", 0x914B, "Deprecated Behavior"},
    {"Undefined", GL_DEBUG_TYPE_UNDEFINED_BEHAVIOR, "Undefined Behavior"},
    {"UndefinedAmd", 0x914C, "Undefined Behavior"},
    {"Portability", GL_DEBUG_TYPE_PORTABILITY, "Portability"},
    {"Performance", GL_DEBUG_TYPE_PERFORMANCE, "Performance"},
    {"PerformanceAmd", 0x914D, "Performance"},
    {"Other", GL_DEBUG_TYPE_OTHER, "Other"},
    {"OtherAmd", 0x9150, "Other"},
    {"Marker", GL_DEBUG_TYPE_MARKER, "Unknown"},
    {"PushGroup", GL_DEBUG_TYPE_PUSH_GROUP, "Unknown"},
    {"ApiErrorAmdIsNoType", 0x9149, "Unknown"},
};

const WordCase SeverityCases[] = {
    {"High", GL_DEBUG_SEVERITY_HIGH, "High"},
    {"Medium", GL_DEBUG_SEVERITY_MEDIUM, "Medium"},
    {"Low", GL_DEBUG_SEVERITY_LOW, "Low"},
    {"Notification", GL_DEBUG_SEVERITY_NOTIFICATION, "Unknown"},
    {"Zero", 0, "Unknown"},
};

std::string caseName(const ::testing::TestParamInfo<WordCase>& info)
{
    return info.param.name;
}

class SourceWords : public ::testing::TestWithParam<WordCase> {};
class TypeWords : public ::testing::TestWithParam<WordCase> {};
class SeverityWords : public ::testing::TestWithParam<WordCase> {};

}  // namespace

TEST_P(SourceWords, Match)
{
    EXPECT_STREQ(debugSourceWord(GetParam().value), GetParam().word);
}
TEST_P(TypeWords, Match)
{
    EXPECT_STREQ(debugTypeWord(GetParam().value), GetParam().word);
}
TEST_P(SeverityWords, Match)
{
    EXPECT_STREQ(debugSeverityWord(GetParam().value), GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(Table, SourceWords, ::testing::ValuesIn(SourceCases), caseName);
INSTANTIATE_TEST_SUITE_P(Table, TypeWords, ::testing::ValuesIn(TypeCases), caseName);
INSTANTIATE_TEST_SUITE_P(Table, SeverityWords, ::testing::ValuesIn(SeverityCases), caseName);

TEST(DebugMessage, NotificationFromApplicationIsStillAnError)
{
    EXPECT_EQ(formatDebugMessage(GL_DEBUG_SOURCE_APPLICATION, GL_DEBUG_TYPE_MARKER, 7,
                                 GL_DEBUG_SEVERITY_NOTIFICATION, "hello"),
              "OpenGL Error: hello [Source = Application, Type = Unknown, Severity = Unknown, "
              "ID = 7]");
}

TEST(DebugMessage, CallbackSkipsKnownChatterAndPrintsTheRest)
{
    ::testing::internal::CaptureStdout();
    openGlDebugCallback(GL_DEBUG_SOURCE_API, GL_DEBUG_TYPE_OTHER, 131185, GL_DEBUG_SEVERITY_HIGH, 5, "noise",
                        nullptr);
    openGlDebugCallback(GL_DEBUG_SOURCE_API, GL_DEBUG_TYPE_OTHER, 131218, GL_DEBUG_SEVERITY_LOW, 5, "noise",
                        nullptr);
    openGlDebugCallback(GL_DEBUG_SOURCE_API, GL_DEBUG_TYPE_ERROR, 1282, GL_DEBUG_SEVERITY_HIGH, 1,
                        "bad value", nullptr);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "OpenGL Error: bad value [Source = API, Type = Error, Severity = High, "
              "ID = 1282]\n");
}

TEST(GlfwError, PrintsCodeAndDescription)
{
    ::testing::internal::CaptureStdout();
    glfwErrorCallback(65543, "Requested OpenGL version 4.1 not available");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "GLFW error 65543: Requested OpenGL version 4.1 not available\n");
}
