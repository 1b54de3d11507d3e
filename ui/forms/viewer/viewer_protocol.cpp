#include "ui/forms/viewer/viewer_protocol.h"

#include <array>
#include <utility>
#include <vector>

#include "ui/forms/directions/directions_form.h"
#include "ui/forms/viewer/viewer_flows.h"

namespace pfc {
namespace {

constexpr std::string_view kShowWord = "show";

constexpr std::array<std::pair<ViewerEvent, std::string_view>, 4> kEventWords{{
    {ViewerEvent::Shown, "shown"},
    {ViewerEvent::ResetDesign, "reset-design"},
    {ViewerEvent::Back, "back"},
    {ViewerEvent::Help, "help"},
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
  std::string line = std::string(kShowWord) + ' ' + PercentEncoded(request.reportPath) + ' ' +
                     PercentEncoded(request.tempFolder);
  if (!request.suggestedName.empty()) {
    line += ' ' + PercentEncoded(request.suggestedName);
  }
  return line + '\n';
}

std::optional<ShowReportRequest> ParseRequestLine(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t blank = line.find(' ', start);
    fields.push_back(line.substr(start, blank - start));
    if (blank == std::string_view::npos) {
      break;
    }
    start = blank + 1;
  }
  if (fields.size() < 3 || fields.size() > 4 || fields[0] != kShowWord ||
      (fields.size() == 4 && fields[3].empty())) {
    return std::nullopt;
  }
  std::optional<std::string> path = PercentDecoded(fields[1]);
  std::optional<std::string> folder = PercentDecoded(fields[2]);
  std::optional<std::string> name =
      fields.size() == 4 ? PercentDecoded(fields[3]) : std::optional<std::string>("");
  if (!path || !folder || !name || path->empty()) {
    return std::nullopt;
  }
  return ShowReportRequest{std::move(*path), std::move(*folder), std::move(*name)};
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
    case ViewerEvent::Help:
      ui::ShowDirections(toolkit);
      break;
  }
}

Message ViewerStoppedMessage(const std::string& reason) {
  return Message{kCautionTitle, MessageIcon::Information,
                 "The report viewer stopped unexpectedly (" + reason +
                     ").\r\n\r\nThe design is kept: press View Report to see the report again."};
}

}  // namespace pfc
