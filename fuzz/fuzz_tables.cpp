#include "fuzz/fuzz_tables.h"

#include "engine/method/design_run.h"

namespace pfc {

const FuzzTables& LoadedFuzzTables() {
  static const FuzzTables tables = [] {
    FuzzTables loaded;
    DataLoad(loaded.wires);
    ArrayData_PFC_Load(loaded.catalogue, loaded.loadedRecord);
    return loaded;
  }();
  return tables;
}

DesignRecord StartingRecord(const FuzzTables& tables, const FuzzRun& run) {
  DesignRecord record = tables.loadedRecord;
  if (run.earlierDesign) {
    record.CalcType = CalcSelects;
    RunDesign(EntryTexts{}, record, tables.catalogue, tables.wires);
  }
  record.CalcType = run.calcType;
  return record;
}

}  // namespace pfc
