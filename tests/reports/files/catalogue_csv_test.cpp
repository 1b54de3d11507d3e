#include "reports/files/catalogue_csv.h"

#include <gtest/gtest.h>

#include "engine/catalogue/catalogue_file.h"
#include "engine/record/design_record.h"

namespace pfc {
namespace {

void ExpectSameCatalogue(const CoreCatalogue& a, const CoreCatalogue& b) {
  EXPECT_EQ(a.PartNo, b.PartNo);
  for (const CatalogueColumn& column : CatalogueColumns()) {
    if (column.numbers != nullptr) {
      EXPECT_EQ(a.*column.numbers, b.*column.numbers) << column.header;
    }
  }
}

TEST(CatalogueFile, TheBuiltInCatalogueWrittenOutReadsBackExactly) {
  CoreCatalogue builtIn;
  DesignRecord record;
  ArrayData_PFC_Load(builtIn, record);
  const CatalogueRead read = CatalogueFromText(CatalogueCsv(builtIn), "cores.csv");
  ASSERT_TRUE(read.read) << read.problem;
  ExpectSameCatalogue(read.catalogue, builtIn);
}

TEST(CatalogueFile, NumbersWithoutAShortDecimalFormAndAwkwardPartNumbersReadBackExactly) {
  CoreCatalogue catalogue;
  catalogue.PartNo = {"", "a,\"b\"", "µ-2"};
  for (const CatalogueColumn& column : CatalogueColumns()) {
    if (column.numbers != nullptr)
      catalogue.*column.numbers = {0, 1.0 / 3, 0.1 + 0.2};
  }
  catalogue.OD = {0, kCatalogueLargestNumber, 123456.123456789};
  catalogue.ID = {0, kCatalogueSmallestNumber, 2.0 / 3};
  catalogue.WaAc = {0, 1.0 / 3, 2.0 / 3};
  const CatalogueRead read = CatalogueFromText(CatalogueCsv(catalogue), "odd.csv");
  ASSERT_TRUE(read.read) << read.problem;
  ExpectSameCatalogue(read.catalogue, catalogue);
}

}  // namespace
}  // namespace pfc
