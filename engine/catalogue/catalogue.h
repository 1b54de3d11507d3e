#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/record/design_record.h"

namespace pfc {

// The Toridyne toroid catalogue as parallel columns indexed by row. Index 0 exists in every
// column and holds no row; rows 1..RowCount() never descend in WaAc, which the core
// selection relies on.
struct CoreCatalogue {
  std::vector<std::string> PartNo;
  std::vector<double> OD;    // mm
  std::vector<double> ID;    // mm
  std::vector<double> HT;    // mm, one core
  std::vector<double> Mass;  // g
  std::vector<double> Lm;    // cm, magnetic path length
  std::vector<double> Ac;    // cm², magnetic cross-section
  std::vector<double> Al;    // nH/turn²
  std::vector<double> Wa;    // cm², window area
  std::vector<double> WaAc;  // cm⁴, area product as catalogued (not recomputed)

  std::int16_t RowCount() const { return static_cast<std::int16_t>(PartNo.size() - 1); }
  // The first row, from row 1 upwards, whose part number equals the text exactly
  // (case-sensitive, whole text); 0 when there is none.
  std::int16_t FindPartNo(std::string_view partNo) const;
};

// Magnet-wire sizes AWG 8 to 44 as parallel columns; index 0 holds no row. Rows ascend in
// gauge, so Area descends.
struct WireTable {
  std::vector<double> Gauge;       // AWG
  std::vector<double> Resistance;  // µΩ/cm
  std::vector<double> Diameter;    // cm, over the insulation
  std::vector<double> Area;        // 10⁻³ cm², over the insulation

  std::int16_t RowCount() const { return static_cast<std::int16_t>(Gauge.size() - 1); }
};

// Rebuilds the wire table from its stored text; a reload never grows the table.
void DataLoad(WireTable& wires);

// Rebuilds the catalogue from its stored text and raises record.MaxAreaProduct to the
// largest WaAc met (never lowers it).
void ArrayData_PFC_Load(CoreCatalogue& catalogue, DesignRecord& record);

// The stored texts: one leading comma, every field followed by a comma.
std::string_view CoreCatalogueText();
std::string_view WireTableText();

}  // namespace pfc
