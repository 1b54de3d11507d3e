#include "cli/design/design_text.h"

#include <string_view>

namespace pfc {
namespace {

constexpr std::size_t kCaptionWidth = 23;

// The message with CR LF turned into indented terminal lines.
void AppendMessage(std::string& out, const Message& message) {
  out.append(message.title).append(":\n  ");
  std::string_view text = message.text;
  for (std::size_t lineEnd; (lineEnd = text.find("\r\n")) != std::string_view::npos;) {
    out.append(text.substr(0, lineEnd)).append("\n  ");
    text.remove_prefix(lineEnd + 2);
  }
  out.append(text).append("\n\n");
}

void AppendRow(std::string& out, std::string_view caption, std::string_view text,
               std::string_view unit) {
  out.append("  ").append(caption);
  out.append(kCaptionWidth > caption.size() ? kCaptionWidth - caption.size() : 1, ' ');
  out.append(text);
  if (!unit.empty())
    out.append(" ").append(unit);
  out.append("\n");
}

// The summary's captioned texts under their group headings; the stack marker follows the core
// size, the total temperature's unit is the summary's own label, and the input-side core size,
// which the output side repeats, is left out.
void AppendSummary(std::string& out, const ResultSummary& s) {
  out.append("PFC Summary Core Design\n\nInput Values\n");
  SummaryGroup group = SummaryGroup::Inputs;
  for (const SummaryText& text : kSummaryTexts) {
    if (*text.caption == '\0' || text.text == &ResultSummary::txtcore)
      continue;
    if (text.group != group) {
      out.append("\nSummary Output\n");
      group = text.group;
    }
    std::string shown = s.*text.text;
    if (text.text == &ResultSummary::txtOutCoreSize && !s.txtStackout.empty())
      shown.append(" ").append(s.txtStackout);
    const bool total = text.text == &ResultSummary::txtTotalTemp;
    AppendRow(out, text.caption, shown, total ? s.totaltemp : text.unit);
  }
}

}  // namespace

std::string DesignText(const RunOutcome& outcome, const ResultSummary& summary) {
  std::string out;
  for (const Message& message : outcome.messages)
    AppendMessage(out, message);
  if (outcome.focus)
    out.append("Focus: ").append(DescriptionOf(*outcome.focus).caption).append("\n");
  if (outcome.ending == RunEnding::Published)
    AppendSummary(out, summary);
  return out;
}

}  // namespace pfc
