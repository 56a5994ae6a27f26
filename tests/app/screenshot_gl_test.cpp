// F12 on a real context: the frame as a PNG of its own size, the right way up,
// a second shot of the same second beside the first, and a folder that cannot
// be made costing one line.
#include "app/screenshot_files.h"

#include <stb/stb_image.h>

#include "support/gl_test.h"
#include "support/scratch_folder.h"

namespace fs = std::filesystem;

using ScreenshotGl = GlTest;

TEST_F(ScreenshotGl, ShotsOfOneSecondKeepEachOtherAndAFailureCostsOneLine)
{
    const int width = 48, height = 32;
    std::tm time{};  // 2024-01-31 23:59:58
    time.tm_year = 124, time.tm_mday = 31, time.tm_hour = 23, time.tm_min = 59, time.tm_sec = 58;
    const ScratchFolder folder{"korvel-shots"};
    const fs::path shots = folder.root() / "screenshots";
    OffscreenTarget target(64);
    const std::array<int, 3> red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255};
    ::testing::internal::CaptureStdout();
    for (const std::array<int, 3>& colour : {red, green}) {
        // The colour over four rows of blue at the bottom.
        glClearColor(colour[0] / 255.0f, colour[1] / 255.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 0, width, 4);
        glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glDisable(GL_SCISSOR_TEST);
        EXPECT_TRUE(takeScreenshot(shots, time, width, height));
    }
    const fs::path blocked = fs::path(folder.write("file", "")) / "screenshots";
    EXPECT_FALSE(takeScreenshot(blocked, time, width, height));
    const fs::path first = shots / "korvel-20240131-235958.png",
                   second = shots / "korvel-20240131-235958-2.png";
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Screenshot: " + first.u8string() + "\nScreenshot: " + second.u8string() +
                  "\nERROR: Could not write screenshot '" + (blocked / first.filename()).u8string() + "'\n");
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    for (const auto& [file, colour] : {std::pair{first, red}, std::pair{second, green}}) {
        int decodedWidth = 0, decodedHeight = 0, channels = 0;
        stbi_uc* rgb = stbi_load(file.string().c_str(), &decodedWidth, &decodedHeight, &channels, 3);
        ASSERT_NE(rgb, nullptr) << file;
        EXPECT_EQ(decodedWidth, width);
        EXPECT_EQ(decodedHeight, height);
        const auto pixel = [&](int x, int y) {
            const stbi_uc* p = rgb + (std::size_t(y) * width + x) * 3;
            return std::array<int, 3>{p[0], p[1], p[2]};
        };
        EXPECT_EQ(pixel(0, 0), colour) << file;  // the top row
        EXPECT_EQ(pixel(width - 1, height - 1), blue) << file;
        stbi_image_free(rgb);
    }
}
