#include "reports/files/design_catalogue.h"

#include <filesystem>
#include <system_error>

namespace pfc {
namespace {

CatalogueRead Refused(std::string problem) {
  CatalogueRead refused;
  refused.problem = std::move(problem);
  return refused;
}

bool IsRecordedFile(const CatalogueRead& read, const CatalogueOrigin& recorded) {
  return read.read && read.origin.sha256 == recorded.sha256;
}

}  // namespace

CatalogueRead ReadDesignCatalogue(const CatalogueOrigin& recorded, const std::string& designPath) {
  namespace fs = std::filesystem;
  const fs::path designFolder = fs::path(designPath).parent_path();
  // Written absolute; one written by hand may be relative to the design file.
  const fs::path recordedPath = fs::path(recorded.file).is_relative() ? designFolder / recorded.file
                                                                      : fs::path(recorded.file);
  CatalogueRead atRecordedPath = ReadCatalogueFile(recordedPath.string());
  if (IsRecordedFile(atRecordedPath, recorded))
    return atRecordedPath;
  const fs::path beside = designFolder / recordedPath.filename();
  std::error_code error;
  if (!fs::equivalent(beside, recordedPath, error)) {
    CatalogueRead besideDesign = ReadCatalogueFile(beside.string());
    if (IsRecordedFile(besideDesign, recorded))
      return besideDesign;
  }
  const std::string made = "the design was made on the core catalogue " + recorded.file;
  if (fs::exists(recordedPath, error)) {
    return Refused(made +
                   ", which has changed since it was saved (its SHA-256 differs); the "
                   "design is not run on other cores");
  }
  return Refused(made + ", which is missing (" + atRecordedPath.problem +
                 "); the design is not run on other cores");
}

}  // namespace pfc
