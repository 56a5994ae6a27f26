#include "app/screenshot_files.h"

#include <cstdio>

#include "framework/asset_search.h"
#include "framework/console.h"
#include "framework/file_path.h"
#include "framework/png_screenshot.h"

namespace fs = std::filesystem;

std::string screenshotFileName(const std::tm& localTime, int number)
{
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &localTime);
    const std::string suffix = number > 1 ? "-" + std::to_string(number) : "";
    return std::string("korvel-") + stamp + suffix + ".png";
}

fs::path screenshotFolder()
{
    const fs::path start = filePath(executableDirectory());
    std::error_code error;
    for (fs::path folder = start;; folder = folder.parent_path()) {
        if (fs::is_directory(folder / "assets", error))
            return folder / "screenshots";
        if (fs::exists(folder / ProjectRootMarker, error) || folder == folder.parent_path() ||
            folder.parent_path().empty())
            break;
    }
    return start / "screenshots";
}

bool takeScreenshot(const fs::path& folder, const std::tm& localTime, int width, int height)
{
    std::error_code error;
    fs::create_directories(folder, error);
    fs::path file;
    for (int number = 1;; ++number) {
        file = folder / screenshotFileName(localTime, number);
        if (!fs::exists(fs::symlink_status(file, error)))
            break;
    }
    if (savePngScreenshot(file, width, height)) {
        printLine("Screenshot: " + utf8Path(file));
        return true;
    }
    printLine("ERROR: Could not write screenshot '" + utf8Path(file) + "'");
    return false;
}
