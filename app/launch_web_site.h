#pragma once

#include <optional>
#include <string>

#include "app/browser_platform.h"
#include "engine/record/message.h"

namespace pfc::ui {

// The short-lived file whose type stands for "a web page" in the handler look-up.
inline constexpr const char* kScratchFileName = "x27z42j.html";

// The folder, '/', and the scratch file's name (an empty folder gives the root folder).
std::string ScratchFilePath(const std::string& tempFolder);

// Opens the maker's web site in the user's browser after checking that the desktop has a
// program for web pages. Creates and removes the scratch file in `tempFolder` on the way;
// the file is gone whatever happens. Returns the message to show the user (plain box with
// the application's title) when something failed, nothing when the browser was started.
std::optional<Message> LaunchWebSite(const std::string& tempFolder, BrowserPlatform& platform);

}  // namespace pfc::ui
