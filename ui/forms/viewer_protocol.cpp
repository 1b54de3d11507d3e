#include "ui/forms/viewer_protocol.h"

#include <array>
#include <utility>

#include "ui/forms/viewer_flows.h"

namespace pfc {
namespace {

constexpr std::string_view kShowWord = "show";

constexpr std::array<std::pair<ViewerEvent, std::string_view>, 3> kEventWords{{
    {ViewerEvent::Shown, "shown"},
    {ViewerEvent::ResetDesign, "reset-design"},
    {ViewerEvent::Back, "back"},
}};

bool PassesAsItIs(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
         c == '.' || c == '_' || c == '-' || c == '~';
}

std::string PercentEncoded(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char byte : bytes) {
    const auto c = static_cast<unsigned char>(byte);
    if (PassesAsItIs(c)) {
      encoded += byte;
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 0x0F];
    }
  }
  return encoded;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

// Nothing when the text holds a byte that encoding never writes or a broken escape.
std::optional<std::string> PercentDecoded(std::string_view text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (PassesAsItIs(c)) {
      decoded += text[i];
      continue;
    }
    if (c != '%' || i + 2 >= text.size()) {
      return std::nullopt;
    }
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) {
      return std::nullopt;
    }
    decoded += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return decoded;
}

}  // namespace

std::string RequestLine(const ShowReportRequest& request) {
  return std::string(kShowWord) + ' ' + PercentEncoded(request.reportPath) + ' ' +
         PercentEncoded(request.tempFolder) + '\n';
}

std::optional<ShowReportRequest> ParseRequestLine(std::string_view line) {
  const std::size_t first = line.find(' ');
  const std::size_t second = line.find(' ', first == std::string_view::npos ? first : first + 1);
  if (second == std::string_view::npos || line.substr(0, first) != kShowWord) {
    return std::nullopt;
  }
  std::optional<std::string> path = PercentDecoded(line.substr(first + 1, second - first - 1));
  std::optional<std::string> folder = PercentDecoded(line.substr(second + 1));
  if (!path || !folder || path->empty()) {
    return std::nullopt;
  }
  return ShowReportRequest{std::move(*path), std::move(*folder)};
}

std::string EventLine(ViewerEvent event) {
  for (const auto& [known, word] : kEventWords) {
    if (known == event) {
      return std::string(word) + '\n';
    }
  }
  return "\n";
}

std::optional<ViewerEvent> ParseEventLine(std::string_view line) {
  for (const auto& [event, word] : kEventWords) {
    if (line == word) {
      return event;
    }
  }
  return std::nullopt;
}

void ActOnViewerEvent(ViewerEvent event, ui::Toolkit& toolkit, const DesignRecord& record) {
  switch (event) {
    case ViewerEvent::Shown:
      break;  // nothing to do: the window is the viewer's
    case ViewerEvent::ResetDesign:
      ResetDesignFromViewer(toolkit, record);
      break;
    case ViewerEvent::Back:
      ReturnToSummary(toolkit);
      break;
  }
}

Message ViewerStoppedMessage(const std::string& reason) {
  return Message{kCautionTitle, MessageIcon::Information,
                 "The report viewer stopped unexpectedly (" + reason +
                     ").\r\n\r\nThe design is kept: press View Report to see the report again."};
}

}  // namespace pfc
