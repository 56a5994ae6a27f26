// PPM text from bottom-up RGB rows, and the unwritable-file path.
#include "framework/screenshot.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <csignal>

#include <filesystem>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"
#ifdef _WIN32
#include "support/refusing_pipe.h"
#endif

namespace {

struct PpmCase {
    const char* name;
    std::uint32_t width;
    std::uint32_t height;
    std::vector<std::uint8_t> bottomUpRgb;
    std::string expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const PpmCase& c, std::ostream* os)
{
    *os << c.name;
}

const PpmCase PpmCases[] = {
    {"WhiteThenBlack", 2, 1, {255, 255, 255, 0, 0, 0}, "P3\n2 1\n255\n255 255 255   0   0   0 \n"},
    {"TopRowFirst", 1, 2, {255, 0, 0, 0, 0, 255}, "P3\n1 2\n255\n  0   0 255 \n255   0   0 \n"},
    {"OddWidthRowsStayApart",
     3,
     2,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18},
     "P3\n3 2\n255\n 10  11  12  13  14  15  16  17  18 \n"
     "  1   2   3   4   5   6   7   8   9 \n"},
    {"EmptyImage", 0, 0, {}, "P3\n0 0\n255\n"},
};

class PpmEncoding : public ::testing::TestWithParam<PpmCase> {};

}  // namespace

TEST_P(PpmEncoding, MatchesLayout)
{
    const PpmCase& c = GetParam();
    EXPECT_EQ(encodePpm(c.bottomUpRgb, c.width, c.height), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Images, PpmEncoding, ::testing::ValuesIn(PpmCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenshotFile, UnwritablePathReportsOneLineAndCreatesNothing)
{
    const std::string fileName = "/korvel_no_such_dir/shot.ppm";
    ::testing::internal::CaptureStdout();
    const bool written = writeScreenshotFile(fileName, "P3\n");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "ERROR: Could not write screenshot '" + fileName + "'\n");
    EXPECT_FALSE(written);
    EXPECT_FALSE(std::filesystem::exists(fileName));
}

#ifdef _WIN32
// A pipe whose reader has gone accepts the file's creation and refuses every
// byte, as a full disk does (Windows has no /dev/full).
TEST(ScreenshotFile, AFullDiskReportsTheSameLineAsAnUncreatableFile)
{
    const RefusingPipe full("korvel-full", ".ppm", 0);
    ::testing::internal::CaptureStdout();
    const bool written = writeScreenshotFile(full.path(), std::string(100000, 'x'));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "ERROR: Could not write screenshot '" + full.path() + "'\n");
    EXPECT_FALSE(written);
}

// A reader that leaves after 4 KiB stops the write part-way, like a disk that
// fills during it: the write fails, and says so, however far it got.
TEST(ScreenshotFile, AWriteCutShortLeavesNoPartialFile)
{
    const RefusingPipe cut("korvel-cut", ".ppm", 4096);
    ::testing::internal::CaptureStdout();
    const bool written = writeScreenshotFile(cut.path(), std::string(100000, 'x'));
    const std::string output = ::testing::internal::GetCapturedStdout();
    EXPECT_FALSE(written);
    EXPECT_EQ(output, "ERROR: Could not write screenshot '" + cut.path() + "'\n");
    EXPECT_EQ(cut.bytesTaken(), 4096u);
}
#else
// /dev/full accepts the file's creation and refuses every byte, as a full disk does.
TEST(ScreenshotFile, AFullDiskReportsTheSameLineAsAnUncreatableFile)
{
    const std::string fileName = "/dev/full";
    ::testing::internal::CaptureStdout();
    const bool written = writeScreenshotFile(fileName, std::string(100000, 'x'));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "ERROR: Could not write screenshot '" + fileName + "'\n");
    EXPECT_FALSE(written);
    EXPECT_TRUE(std::filesystem::exists(fileName)) << "the device is not ours to remove";
}

// A file size limit stops the write part-way, like a disk that fills during it:
// no half screenshot is left behind.
TEST(ScreenshotFile, AWriteCutShortLeavesNoPartialFile)
{
    const ScratchFolder folder{"korvel-screenshot"};
    const std::filesystem::path file = folder.path("cut.ppm");
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    // Past the limit the write fails with EFBIG instead of ending the process.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ::testing::internal::CaptureStdout();
    const bool written = writeScreenshotFile(file.string(), std::string(100000, 'x'));
    const std::string output = ::testing::internal::GetCapturedStdout();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(output, "ERROR: Could not write screenshot '" + file.string() + "'\n");
    EXPECT_FALSE(std::filesystem::exists(file));
}
#endif

TEST(ScreenshotFile, WritesTextAndTruncates)
{
    const ScratchFolder folder{"korvel-screenshot"};
    const std::filesystem::path file = folder.path("shot.ppm");
    ASSERT_TRUE(writeScreenshotFile(file.string(), "a much longer first text\n"));
    ASSERT_TRUE(writeScreenshotFile(file.string(), "P3\n"));
    EXPECT_EQ(std::filesystem::file_size(file), 3u);
}
