// Properties of the material file reader on arbitrary bytes, and of the check in whatever
// material it accepts.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/check/operating_check.h"
#include "engine/method/design_run.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_tables.h"
#include "reports/check/material_file.h"

namespace {

bool Positive(double value) {
  return value > 0 && std::isfinite(value);
}

// The default design, published once per process.
const pfc::DesignRecord& DefaultDesign() {
  static const pfc::DesignRecord record = [] {
    const pfc::FuzzTables& tables = pfc::LoadedFuzzTables();
    pfc::DesignRecord published = tables.loadedRecord;
    published.CalcType = pfc::CalcSelects;
    const pfc::RunOutcome run =
        pfc::RunDesign(pfc::EntryTexts{}, published, tables.catalogue, tables.wires);
    FUZZ_CHECK(run.ending == pfc::RunEnding::Published);
    return published;
  }();
  return record;
}

void CheckLine(const pfc::LineCheck& line) {
  FUZZ_CHECK(line.usable);
  // A figure the check cannot give is missing, never a number that is not one.
  pfc::VisitLineFigures(line, [](const char*, const auto& figure) {
    if constexpr (std::is_same_v<std::decay_t<decltype(figure)>, pfc::CheckedNumber>) {
      FUZZ_CHECK(!figure || std::isfinite(*figure));
    }
  });
  // A line that does not saturate settles, runs away or is said to have no steady state.
  FUZZ_CHECK(line.saturates || line.thermal != pfc::ThermalEnding::NotComputed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const pfc::MaterialFileRead read = pfc::MaterialFromText(text);
  FUZZ_CHECK(read.read == read.reason.empty());
  if (!read.read)
    return 0;
  const pfc::Material& material = read.material;
  FUZZ_CHECK(!material.name.empty() && material.name.size() <= pfc::kMaterialNameMaxBytes);
  FUZZ_CHECK(Positive(material.permeability) && Positive(material.b) && material.c > 1 &&
             std::isfinite(material.c));
  FUZZ_CHECK(Positive(material.loss.k) && Positive(material.loss.alpha) &&
             Positive(material.loss.beta));
  // Kept by value in a design file, the material reads back exactly.
  const pfc::MaterialFileRead again = pfc::MaterialFromText(pfc::MaterialFileText(material, true));
  FUZZ_CHECK(again.read && again.material == material);

  const pfc::OperatingCheck check = pfc::CheckOperation(DefaultDesign(), material);
  FUZZ_CHECK(check.material.name == material.name);
  CheckLine(check.lowLine);
  CheckLine(check.highLine);
  return 0;
}
