#pragma once

#include <string>

namespace pfc::ui {

// Result codes of the handler look-up, in the shell's numbering: above 32 is success.
inline constexpr int kLookupOutOfMemory = 0;
inline constexpr int kLookupFileNotFound = 2;
inline constexpr int kLookupPathNotFound = 3;
inline constexpr int kLookupNoAssociation = 31;
inline constexpr int kLookupFound = 33;

// Results of opening an address: above 32 is success.
inline constexpr int kOpenFailed = 2;  // the desktop's opener could not be started
inline constexpr int kOpenStarted = 33;

// The two desktop services the web link relies on. The launcher only sees these numbers,
// so a replacement can drive every outcome without a desktop.
class BrowserPlatform {
 public:
  virtual ~BrowserPlatform() = default;

  // Looks for the program registered for the type of the file `fileName` in `folder`.
  // Above 32 when one is registered; 31 when none is; 0 when memory ran out; 1 to 30 for
  // other failures (2 the file, 3 the folder does not exist).
  virtual int FindHtmlHandler(const std::string& fileName, const std::string& folder) = 0;

  // Asks the desktop to open the address with its handler and returns at once, without
  // waiting for the browser. Above 32 on success, 32 or less on failure.
  virtual int OpenUrl(const std::string& url) = 0;
};

}  // namespace pfc::ui
