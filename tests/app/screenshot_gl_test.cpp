// F12 on a real context: the frame as a PNG of its own size, the right way up,
// a second shot of the same second beside the first, and a folder that cannot
// be made costing one line.
#include "app/screenshot_files.h"

#include <stb/stb_image.h>

#include <filesystem>
#include <memory>

#include "support/gl_context.h"
#include "support/gl_test.h"
#include "support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

class ScreenshotGl : public GlTest {
protected:
    // The last second of January 2024 but one.
    static std::tm shotTime()
    {
        std::tm time{};
        time.tm_year = 2024 - 1900;
        time.tm_mon = 0;
        time.tm_mday = 31;
        time.tm_hour = 23;
        time.tm_min = 59;
        time.tm_sec = 58;
        return time;
    }

    // The frame: `top` over four rows of blue at the bottom.
    static void drawFrame(float red, float green)
    {
        glClearColor(red, green, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 0, Width, 4);
        glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glDisable(GL_SCISSOR_TEST);
    }

    static constexpr int Width = 48;
    static constexpr int Height = 32;
    const ScratchFolder folder{"korvel-shots"};
};

struct DecodedPng {
    int width = 0;
    int height = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels{nullptr, stbi_image_free};

    // RGB at column x of row y, counted from the top.
    std::array<int, 3> at(int x, int y) const
    {
        const stbi_uc* pixel = pixels.get() + (std::size_t(y) * width + x) * 3;
        return {pixel[0], pixel[1], pixel[2]};
    }
};

DecodedPng decode(const fs::path& file)
{
    DecodedPng png;
    int channels = 0;
    png.pixels.reset(stbi_load(file.string().c_str(), &png.width, &png.height, &channels, 3));
    return png;
}

}  // namespace

TEST_F(ScreenshotGl, ShotsOfOneSecondKeepEachOther)
{
    OffscreenTarget target(64);
    const fs::path shots = folder.root() / "screenshots";
    ::testing::internal::CaptureStdout();
    drawFrame(1.0f, 0.0f);
    const bool first = takeScreenshot(shots, shotTime(), Width, Height);
    drawFrame(0.0f, 1.0f);
    const bool second = takeScreenshot(shots, shotTime(), Width, Height);
    const std::string output = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(first && second);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    const fs::path firstFile = shots / "korvel-20240131-235958.png";
    const fs::path secondFile = shots / "korvel-20240131-235958-2.png";
    EXPECT_EQ(output,
              "Screenshot: " + firstFile.u8string() + "\nScreenshot: " + secondFile.u8string() + "\n");
    const std::array<int, 3> red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255};
    for (const auto& [file, colour] : {std::pair{firstFile, red}, std::pair{secondFile, green}}) {
        const DecodedPng png = decode(file);
        ASSERT_TRUE(png.pixels) << file;
        EXPECT_EQ(png.width, Width);
        EXPECT_EQ(png.height, Height);
        EXPECT_EQ(png.at(0, 0), colour) << file;
        EXPECT_EQ(png.at(Width - 1, Height - 1), blue) << file;
    }
}

TEST_F(ScreenshotGl, AFolderThatCannotBeMadeCostsOneLine)
{
    OffscreenTarget target(64);
    const fs::path blocked = fs::path(folder.write("screenshots", "a file, not a folder")) / "more";
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(takeScreenshot(blocked, shotTime(), Width, Height));
    const std::string output = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(output, "ERROR: Could not write screenshot '" +
                          (blocked / "korvel-20240131-235958.png").u8string() + "'\n");
}
