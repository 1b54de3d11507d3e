#pragma once

#include "app/browser_platform.h"

namespace pfc::ui {

// The freedesktop.org equivalents of the two services: the default application that
// xdg-mime names for text/html, and xdg-open for the address. Either tool missing from
// PATH counts as no browser.
class DesktopBrowserPlatform final : public BrowserPlatform {
 public:
  int FindHtmlHandler(const std::string& fileName, const std::string& folder) override;
  int OpenUrl(const std::string& url) override;
};

}  // namespace pfc::ui
