// Where the player's screenshots (F12) go and what they are called:
// screenshots/korvel-YYYYMMDD-HHMMSS.png beside the assets/ folder the game
// uses, with -2, -3, ... before the extension for further shots of the same
// second, so no shot ever replaces another.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>

// "korvel-20240131-235959.png" for `number` 1, "korvel-20240131-235959-2.png" for 2.
std::string screenshotFileName(const std::tm& localTime, int number);

// The folder "screenshots" beside the first folder named "assets" on the way
// up from the executable to the project root (beside the executable when
// there is none).
std::filesystem::path screenshotFolder();

// Saves the lower-left width x height pixels of the current read buffer into
// `folder` (made when missing) under the first free name of that second, and
// prints "Screenshot: " with the file's path. When that fails, prints one
// line saying so and returns false; the game goes on either way.
bool takeScreenshot(const std::filesystem::path& folder, const std::tm& localTime, int width, int height);
