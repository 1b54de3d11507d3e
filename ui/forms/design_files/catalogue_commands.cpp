#include "ui/forms/design_files/catalogue_commands.h"

#include <filesystem>
#include <utility>

#include "engine/inputs/pick_list.h"
#include "engine/search/explorer.h"
#include "reports/files/design_catalogue.h"
#include "ui/forms/design_files/design_file_commands.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/shared_controls.h"

namespace pfc::ui {
namespace {

std::string PartNumberOf(const std::string& entry) {
  return entry.substr(0, entry.find(' '));
}

// The list holds the catalogue's entries only while "Pick From List" is ticked.
void RefillCoreList(Toolkit& toolkit, DesktopSession& session) {
  if (!toolkit.IsLoaded(kInputForm) ||
      !toolkit.IsTicked(kInputForm, input_controls::kChkPickCore)) {
    return;
  }
  const std::string list(input_controls::CoreList());
  const std::string chosen = PartNumberOf(toolkit.ChosenText(kInputForm, list));
  toolkit.ClearItems(kInputForm, list);
  for (const std::string& entry : PickListEntries(session.catalogue, session.decimalSeparator))
    toolkit.AddItem(kInputForm, list, entry);
  const std::int16_t row = chosen.empty() ? 0 : session.catalogue.FindPartNo(chosen);
  toolkit.Choose(kInputForm, list, row == 0 ? -1 : row);  // row n is the list's item n
}

// The designs Compare Cores shows are those of the catalogue in use: explored again for the
// entries they were computed for, which the form's checks took already.
void FollowInCompareCores(Toolkit& toolkit, DesktopSession& session) {
  if (!toolkit.IsLoaded(kCompareCoresForm))
    return;
  const EntryTexts entries = session.compareCores.Entries();
  Exploration exploration = ExploreDesigns(entries, session.record, session.catalogue,
                                           session.wires, session.limits.Get());
  if (exploration.rejected) {
    toolkit.Unload(kCompareCoresForm);
    return;
  }
  session.compareCores.Replace(std::move(exploration), entries);
}

}  // namespace

void LoadCatalogueFromDialog(Toolkit& toolkit, DesktopSession& session,
                             const DesktopServices& services) {
  if (!services.chooseOpenFile)
    return;
  const std::optional<std::string> path = services.chooseOpenFile(
      OpenFileRequest{"Core Catalogue", session.catalogueOrigin.file, "CSV files", "csv"});
  if (path && !path->empty())
    LoadCatalogueFile(toolkit, session, *path);
}

bool LoadCatalogueFile(Toolkit& toolkit, DesktopSession& session, const std::string& path) {
  CatalogueRead read = ReadCatalogueFile(path);
  if (!read.read) {
    const std::string stays = session.catalogueOrigin.BuiltIn()
                                  ? "the built-in catalogue stays in use."
                                  : "the catalogue in use stays.";
    toolkit.ShowMessage(
        Message{kCautionTitle, MessageIcon::Information,
                "The core catalogue could not be loaded; " + stays + "\r\n\r\n" + read.problem});
    return false;
  }
  UseCoreCatalogue(session, std::move(read.catalogue), std::move(read.origin));
  FollowCatalogue(toolkit, session);
  return true;
}

void UseBuiltInCatalogueOnForm(Toolkit& toolkit, DesktopSession& session) {
  if (session.catalogueOrigin.BuiltIn())
    return;
  UseBuiltInCatalogue(session);
  FollowCatalogue(toolkit, session);
}

std::optional<std::string> TakeDesignCatalogue(DesktopSession& session, const DesignFile& design,
                                               const std::string& designPath,
                                               std::optional<SessionCatalogue>& replaced) {
  if (design.cores.sha256 == session.catalogueOrigin.sha256)
    return std::nullopt;  // the same bytes, wherever they were read from
  SessionCatalogue previous{session.catalogue, session.catalogueOrigin};
  if (design.cores.BuiltIn()) {
    UseBuiltInCatalogue(session);
  } else {
    CatalogueRead read = ReadDesignCatalogue(design.cores, designPath);
    if (!read.read)
      return read.problem;
    UseCoreCatalogue(session, std::move(read.catalogue), std::move(read.origin));
  }
  replaced = std::move(previous);
  return std::nullopt;
}

void PutBackCatalogue(DesktopSession& session, SessionCatalogue replaced) {
  if (replaced.origin.BuiltIn()) {
    UseBuiltInCatalogue(session);
  } else {
    UseCoreCatalogue(session, std::move(replaced.catalogue), std::move(replaced.origin));
  }
}

void FollowCatalogue(Toolkit& toolkit, DesktopSession& session) {
  RefillCoreList(toolkit, session);
  FollowInCompareCores(toolkit, session);
  ShowDesignFileTitle(toolkit, session);
}

std::string CatalogueCaption(const std::string& caption, const CatalogueOrigin& origin) {
  if (origin.BuiltIn())
    return caption;
  return caption + " - cores: " + std::filesystem::path(origin.file).filename().string();
}

}  // namespace pfc::ui
