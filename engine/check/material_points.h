#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A supplier's curves as points read off a datasheet, in small CSV files: the DC-bias curve
// (the field and the % of the initial permeability left) and, if given, the core loss under
// a sine flux. FitRolloff and FitCoreLoss (engine/check/material_fit.h) fit them.
namespace pfc {

// Larger files are refused unread: a curve is a few dozen points.
inline constexpr std::size_t kPointsFileMaxBytes = std::size_t{64} * 1024;
// The fewest points of each curve a fit takes: its constants and one to judge them by.
inline constexpr std::size_t kFewestRolloffPoints = 3;
inline constexpr std::size_t kFewestLossPoints = 6;

enum class FieldUnit { Oersted, AmperesPerMetre };

struct RolloffPoint {
  double field = 0;    // A/m, > 0
  double percent = 0;  // of the initial permeability, in (0, 100]
  std::uint64_t line = 0;
};

struct LossPoint {
  double frequency = 0;    // kHz, > 0
  double fluxDensity = 0;  // T, the peak of the sine, > 0
  double loss = 0;         // W/kg, > 0
  std::uint64_t line = 0;
};

// How reading points ended. A refusal names the file, and the line and column where they
// apply, and says what is wrong; its points are empty.
template <typename Point>
struct PointsRead {
  bool read = false;
  std::vector<Point> points;
  std::string problem;  // empty when read
};

// The columns `h` and `percent`, in either order, under a header; the field in `unit`.
// Refused: a file that is empty, binary or no CSV, a missing or unknown column, a field of 0
// or less, a percent outside (0, 100], a number that is not finite, fewer than
// kFewestRolloffPoints points. fileName is only for the messages.
PointsRead<RolloffPoint> RolloffPointsFromText(std::string_view bytes, const std::string& fileName,
                                               FieldUnit unit);

// Points typed or copied from a spreadsheet: a line per point, the field (in `unit`) then the
// percent, parted by tabs or commas, with no header; a first line that holds words (the
// spreadsheet's headings) is passed over. Refused as RolloffPointsFromText refuses; name
// stands for the file in the messages, whose lines are the text's.
PointsRead<RolloffPoint> RolloffPointsFromTable(std::string_view text, const std::string& name,
                                                FieldUnit unit);

// The columns `f_khz`, `b_mt` (the peak flux density) and one of `w_per_kg` or `mw_per_cm3`;
// a loss per volume needs the density in g/cm³. Refused as the DC-bias points are, for a
// value of 0 or less, fewer than kFewestLossPoints points, and points that all share one
// frequency or one flux density.
PointsRead<LossPoint> LossPointsFromText(std::string_view bytes, const std::string& fileName,
                                         std::optional<double> density);

// The same from the file at path, refusing anything that is not a regular file of at most
// kPointsFileMaxBytes before reading it.
PointsRead<RolloffPoint> ReadRolloffPointsFile(const std::string& path, FieldUnit unit);
PointsRead<LossPoint> ReadLossPointsFile(const std::string& path, std::optional<double> density);

}  // namespace pfc
