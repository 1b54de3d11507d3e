#include "engine/catalogue/catalogue.h"

#include <array>
#include <functional>

#include "engine/record/number_text.h"

namespace pfc {
namespace {

constexpr std::string_view kCoreCatalogueText =
    ",TD-01,13.23,7.46,6.12,1.834,3.140,0.080,32,0.44,0.03,"
    "TD-02,13.66,7.46,6.29,2.138,3.216,0.093,36,0.44,0.04,"
    "TD-03,17.03,8.99,4.70,2.475,3.978,0.087,27,0.63,0.05,"
    "TD-04,14.67,7.46,7.87,3.651,3.371,0.151,56,0.44,0.07,"
    "TD-05,17.31,10.46,7.87,4.293,4.241,0.138,41,0.86,0.12,"
    "TD-06,18.30,10.23,7.87,5.435,4.353,0.170,49,0.82,0.14,"
    "TD-07,18.68,12.16,11.05,6.733,4.740,0.198,52,1.16,0.23,"
    "TD-08,21.41,13.46,7.87,6.538,5.346,0.167,39,1.42,0.24,"
    "TD-09,23.49,13.46,7.87,9.186,5.658,0.222,49,1.42,0.32,"
    "TD-10,21.25,12.16,11.05,11.041,5.127,0.300,74,1.16,0.35,"
    "TD-11,23.53,14.22,9.91,11.348,5.789,0.268,58,1.59,0.43,"
    "TD-12,24.35,12.16,11.05,17.101,5.602,0.425,95,1.16,0.49,"
    "TD-13,27.18,13.46,11.05,21.785,6.212,0.479,97,1.42,0.68,"
    "TD-14,26.84,18.51,11.05,13.553,7.006,0.269,48,2.69,0.73,"
    "TD-15,26.92,15.97,11.05,17.774,6.607,0.375,71,2.00,0.75,"
    "TD-16,34.06,14.70,11.05,38.311,7.489,0.712,120,1.70,1.21,"
    "TD-17,33.25,19.73,11.05,28.006,8.147,0.469,72,3.06,1.44,"
    "TD-18,34.87,23.95,9.91,21.434,9.081,0.322,45,4.50,1.45,"
    "TD-19,33.57,21.69,11.05,25.238,8.542,0.411,61,3.69,1.52,"
    "TD-20,36.52,18.51,11.05,40.041,8.478,0.658,97,2.69,1.77,"
    "TD-21,36.99,23.01,11.05,32.989,9.244,0.487,66,4.16,2.03,"
    "TD-22,41.58,21.69,11.05,51.325,9.759,0.732,94,3.69,2.71,"
    "TD-23,46.73,21.69,11.05,71.157,10.545,0.940,112,3.69,3.47,"
    "TD-24,39.38,24.86,15.65,54.637,9.905,0.753,96,4.85,3.66,"
    "TD-25,46.55,28.95,15.72,79.961,11.649,0.937,101,6.58,6.17,"
    "TD-26,46.73,21.69,20.57,142.300,10.550,1.880,224,3.69,6.94,"
    "TD-27,46.61,25.22,18.99,115.677,11.048,1.430,163,4.99,7.14,"
    "TD-28,51.53,32.46,13.89,84.714,12.969,0.892,86,8.27,7.38,"
    "TD-29,60.10,24.86,14.22,169.400,13.100,1.801,173,4.85,8.74,"
    "TD-30,54.32,26.97,16.52,146.313,12.492,1.599,161,5.71,9.14,"
    "TD-31,57.21,37.44,15.32,110.781,14.636,1.034,89,11.01,11.38,";

constexpr std::string_view kWireTableText =
    ",8,20.5,0.335,88.1,9,25.9,0.3,70.6,10,32.7,0.267,55.9,11,41.37,0.238,44.5,"
    "12,52.09,0.213,35.64,13,65.64,0.19,28.36,14,82.8,0.171,22.95,15,104.3,0.153,18.37,"
    "16,131.8,0.137,14.73,17,165.8,0.122,11.68,18,209.5,0.109,9.326,19,263.9,0.098,7.539,"
    "20,332.3,0.0879,6.065,21,418.9,0.0785,4.837,22,531.4,0.0701,3.857,"
    "23,666,0.0632,3.135,24,842.1,0.0566,2.514,25,1062,0.0505,2.002,"
    "26,1345,0.0452,1.603,27,1687.6,0.0409,1.313,28,2142.7,0.0366,1.0515,"
    "29,2664.3,0.033,0.8548,30,3402.2,0.0294,0.6785,31,4294.6,0.0267,0.5596,"
    "32,5314.9,0.0241,0.4559,33,6748.6,0.0216,0.3662,34,8572.8,0.0191,0.2863,"
    "35,10849,0.017,0.2268,36,13608,0.0152,0.1813,37,16801,0.014,0.1538,"
    "38,21266,0.0124,0.1207,39,27775,0.0109,0.0932,40,35400,0.0096,0.0723,"
    "41,43405,0.00863,0.0584,42,55428,0.00762,0.04558,43,70308,0.00685,0.03683,"
    "44,85072,0.00635,0.031685,";

// Walks a stored text field by field: onField(fieldNumber 1..fieldsPerRow, fieldText).
// Whatever follows the last comma is ignored.
void ForEachField(std::string_view text, int fieldsPerRow,
                  const std::function<void(int, std::string_view)>& onField) {
  std::size_t start = text.find(',');
  if (start == std::string_view::npos)
    return;
  int field = 0;
  for (std::size_t next = text.find(',', start + 1); next != std::string_view::npos;
       start = next, next = text.find(',', start + 1)) {
    field = field % fieldsPerRow + 1;
    onField(field, text.substr(start + 1, next - start - 1));
  }
}

}  // namespace

std::string_view CoreCatalogueText() {
  return kCoreCatalogueText;
}
std::string_view WireTableText() {
  return kWireTableText;
}

std::int16_t CoreCatalogue::FindPartNo(std::string_view partNo) const {
  for (std::int16_t row = 1; row <= RowCount(); ++row) {
    if (PartNo[static_cast<std::size_t>(row)] == partNo)
      return row;
  }
  return 0;
}

void DataLoad(WireTable& wires) {
  const std::array<std::vector<double>*, 4> columns = {&wires.Gauge, &wires.Resistance,
                                                       &wires.Diameter, &wires.Area};
  for (auto* column : columns)
    column->assign(1, 0.0);
  ForEachField(kWireTableText, 4, [&](int field, std::string_view text) {
    if (field == 1) {
      for (auto* column : columns)
        column->push_back(0.0);
    }
    columns[static_cast<std::size_t>(field - 1)]->back() = ValueOfText(text);
  });
}

void ArrayData_PFC_Load(CoreCatalogue& catalogue, DesignRecord& record) {
  const std::array<std::vector<double>*, 9> numbers = {
      &catalogue.OD, &catalogue.ID, &catalogue.HT, &catalogue.Mass, &catalogue.Lm,
      &catalogue.Ac, &catalogue.Al, &catalogue.Wa, &catalogue.WaAc};
  catalogue.PartNo.assign(1, std::string());
  for (auto* column : numbers)
    column->assign(1, 0.0);
  ForEachField(kCoreCatalogueText, 10, [&](int field, std::string_view text) {
    if (field == 1) {
      catalogue.PartNo.emplace_back(text);
      for (auto* column : numbers)
        column->push_back(0.0);
      return;
    }
    numbers[static_cast<std::size_t>(field - 2)]->back() = ValueOfText(text);
    if (field == 10 && catalogue.WaAc.back() > record.MaxAreaProduct) {
      record.MaxAreaProduct = catalogue.WaAc.back();
    }
  });
}

}  // namespace pfc
