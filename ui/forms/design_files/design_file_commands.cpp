#include "ui/forms/design_files/design_file_commands.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "engine/catalogue/catalogue_file.h"
#include "engine/check/rolloff_grades.h"
#include "engine/inputs/entries.h"
#include "engine/inputs/pick_list.h"
#include "engine/record/quoted_text.h"
#include "ui/forms/design_files/catalogue_commands.h"
#include "ui/forms/design_files/unsaved_changes.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/input_entries.h"
#include "ui/forms/session/shared_controls.h"

namespace pfc::ui {
namespace {

constexpr const char* kDefaultFileName = "design.pfcdesign";

std::string PartNumberOf(const std::string& entry) {
  return entry.substr(0, entry.find(' '));
}

std::optional<int> PositionOf(Toolkit& toolkit, std::string_view list, const std::string& item) {
  const int count = toolkit.ItemCount(kInputForm, list);
  for (int position = 0; position < count; ++position) {
    if (toolkit.ItemText(kInputForm, list, position) == item) {
      return position;
    }
  }
  return std::nullopt;
}

std::string ChoicesText(Toolkit& toolkit, std::string_view list) {
  const int count = toolkit.ItemCount(kInputForm, list);
  std::string text;
  for (int position = 0; position < count; ++position) {
    if (position > 0) {
      text += position + 1 == count ? " or " : ", ";
    }
    text += toolkit.ItemText(kInputForm, list, position);
  }
  return text;
}

// The position in the core list as "Pick From List" fills it: the entry itself, or, since
// the entries show the decimal separator of the machine that wrote them, the entry of the
// same part number. -1 for no pick.
std::optional<int> PickPosition(const DesktopSession& session, const std::string& pick) {
  if (pick.empty()) {
    return -1;
  }
  const std::vector<std::string> entries =
      PickListEntries(session.catalogue, session.decimalSeparator);
  const auto exact = std::find(entries.begin(), entries.end(), pick);
  if (exact != entries.end()) {
    return static_cast<int>(exact - entries.begin());
  }
  const std::string partNumber = PartNumberOf(pick);
  for (std::size_t position = 0; position < entries.size(); ++position) {
    if (!entries[position].empty() && PartNumberOf(entries[position]) == partNumber) {
      return static_cast<int>(position);
    }
  }
  return std::nullopt;
}

bool EndsWithIgnoringCase(const std::string& text, std::string_view ending) {
  return text.size() >= ending.size() &&
         std::equal(ending.begin(), ending.end(), text.end() - static_cast<long>(ending.size()),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) ==
                             std::tolower(static_cast<unsigned char>(b));
                    });
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

void Caution(Toolkit& toolkit, const std::string& what, const std::string& detail) {
  toolkit.ShowMessage(Message{kCautionTitle, MessageIcon::Information, what + "\r\n\r\n" + detail});
}

// The form now holds exactly what the file holds.
void NameFile(Toolkit& toolkit, DesktopSession& session, const std::string& path, DesignFile kept) {
  InputFormFile& file = session.designFile;
  if (file.plainCaption.empty()) {
    file.plainCaption = toolkit.Caption(kInputForm);
  }
  file.path = AbsolutePath(path);
  file.kept = std::move(kept);
  ShowDesignFileTitle(toolkit, session);
}

// The catalogue the design was made on is missing or has changed (`reason`): the user
// chooses the cores to open it on. Returns whether to go on; a catalogue file chosen is then
// the session's, and the one it replaced is in `replaced`.
bool ChooseCatalogueInstead(Toolkit& toolkit, DesktopSession& session,
                            const DesktopServices* services, const std::string& reason,
                            std::optional<SessionCatalogue>& replaced) {
  Caution(toolkit,
          "The catalogue this design was made on cannot be used; choose the cores to "
          "open it on.",
          reason);
  const CatalogueOrigin& now = session.catalogueOrigin;
  std::vector<std::string> items{"Open on the &Catalogue Loaded Now (" +
                                 (now.BuiltIn()
                                      ? std::string("built-in")
                                      : std::filesystem::path(now.file).filename().string()) +
                                 ")"};
  const bool another = services != nullptr && services->chooseOpenFile;
  if (another)
    items.emplace_back("Open on &Another Catalogue File…");
  items.emplace_back("Ca&ncel");
  const int chosen = toolkit.ChooseFromMenu(kInputForm, kOpenDesignButton, items);
  if (chosen == 0)
    return true;
  if (!another || chosen != 1)
    return false;
  const std::optional<std::string> path =
      services->chooseOpenFile(OpenFileRequest{"Core Catalogue", now.file, "CSV files", "csv"});
  if (!path || path->empty())
    return false;
  CatalogueRead read = ReadCatalogueFile(*path);
  if (!read.read) {
    Caution(toolkit, "The core catalogue could not be loaded; the form is as it was.",
            read.problem);
    return false;
  }
  replaced = SessionCatalogue{session.catalogue, session.catalogueOrigin};
  UseCoreCatalogue(session, std::move(read.catalogue), std::move(read.origin));
  return true;
}

}  // namespace

DesignFile ReadInputFormDesign(Toolkit& toolkit, const DesktopSession& session) {
  DesignFile design;
  design.entries = ReadInputEntries(toolkit);
  const CheckedDesign& checked = session.checked;
  design.part.material = checked.ChosenPartMaterial();
  design.part.winding = checked.Winding();
  design.limits = session.limits.Get();
  design.cores = session.catalogueOrigin;
  return design;
}

std::optional<std::string> FillInputForm(Toolkit& toolkit, DesktopSession& session,
                                         const DesignFile& design) {
  const EntryTexts& entries = design.entries;
  // Everything is checked before anything changes.
  std::vector<std::pair<std::string_view, int>> unitPositions;  // each unit list's choice
  for (const NamedEntryText& unit : NamedEntryTexts()) {
    if (!unit.unit) {
      continue;
    }
    const std::string_view list = unit.entry->unitControl;
    const std::optional<int> position = PositionOf(toolkit, list, unit.TextIn(entries));
    if (!position) {
      return "its \"entries." + unit.name + "\" is " + QuotedExcerpt(unit.TextIn(entries)) +
             ", not " + ChoicesText(toolkit, list);
    }
    unitPositions.emplace_back(list, *position);
  }
  std::optional<int> pickPosition = -1;
  if (entries.pickCore) {
    pickPosition = PickPosition(session, entries[Entry::CoreSize]);
    if (!pickPosition) {
      const CoreCatalogue& catalogue = session.catalogue;
      return "its \"pick\" " + QuotedExcerpt(entries[Entry::CoreSize]) +
             " is no core of the list (" + catalogue.PartNo[1] + " to " +
             catalogue.PartNo[static_cast<std::size_t>(catalogue.RowCount())] + ")";
    }
  }
  const PartMaterial& material = design.part.material;
  if (material.grade != kDefaultRolloffGrade && !FindRolloffGrade(material.grade)) {
    return "its \"rolloff-grade\" " + std::to_string(material.grade) +
           " is not a grade of the operating check";
  }

  for (const NamedEntryText& entry : NamedEntryTexts()) {
    if (!entry.unit) {
      toolkit.SetText(kInputForm, entry.entry->control, entry.TextIn(entries));
    }
  }
  for (const auto& [list, position] : unitPositions) {
    toolkit.Choose(kInputForm, list, position);
  }
  // Ticking a box runs its click, as the user's tick does: the other box goes off and the
  // core list fills or empties.
  if (entries.pickCore) {
    // Ticked afresh, so that the list is rebuilt from the catalogue the design was made on.
    toolkit.SetTicked(kInputForm, input_controls::kChkPickCore, false);
    toolkit.SetTicked(kInputForm, input_controls::kChkPickCore, true);
    toolkit.Choose(kInputForm, input_controls::CoreList(), *pickPosition);
  } else {
    toolkit.SetTicked(kInputForm, input_controls::kChkCalcCore, true);
  }
  if (material.own) {
    session.checked.AddMaterial(*material.own);
  } else if (material.grade != session.checked.ChosenGrade() ||
             session.checked.ChosenMaterial() >= 0) {
    session.checked.SetGrade(material.grade);
  }
  if (design.part.winding != session.checked.Winding()) {
    session.checked.SetWinding(design.part.winding, session.decimalSeparator);
  }
  session.limits.Set(design.limits);
  return std::nullopt;
}

bool OpenDesignFile(Toolkit& toolkit, DesktopSession& session, const std::string& path,
                    const DesktopServices* services) {
  const DesignFileRead file = ReadDesignFile(path);
  std::string refusal = file.Message();
  if (file.read) {
    // The design's own cores first: its pick is looked for among them.
    std::optional<SessionCatalogue> replaced;
    std::optional<std::string> reason = TakeDesignCatalogue(session, file.design, path, replaced);
    if (reason) {
      if (!ChooseCatalogueInstead(toolkit, session, services, *reason, replaced))
        return false;
      reason.reset();
    }
    if (!reason) {
      reason = FillInputForm(toolkit, session, file.design);
    }
    if (reason) {
      refusal = "Cannot open " + path + ": " + *reason;
      if (replaced) {
        PutBackCatalogue(session, std::move(*replaced));
      }
    } else if (replaced) {
      FollowCatalogue(toolkit, session);
    }
  }
  if (!refusal.empty()) {
    Caution(toolkit, "The design could not be opened; the form is as it was.", refusal);
    return false;
  }
  NameFile(toolkit, session, path, ReadInputFormDesign(toolkit, session));
  return true;
}

void OpenDesignFromDialog(Toolkit& toolkit, DesktopSession& session,
                          const DesktopServices& services) {
  if (!services.chooseOpenFile) {
    return;
  }
  const std::string& current = session.designFile.path;
  const std::optional<std::string> path = services.chooseOpenFile(OpenFileRequest{
      "Open Design", current.empty() ? std::string() : current, "PFC design files", "pfcdesign"});
  if (path && !path->empty() &&
      MayLoseUnsavedChanges(toolkit, session, LosingChanges::OpeningAnother)) {
    OpenDesignFile(toolkit, session, *path, &services);
  }
}

void OpenDroppedFiles(Toolkit& toolkit, DesktopSession& session,
                      const std::vector<std::string>& paths, const DesktopServices* services) {
  if (paths.size() == 1) {
    if (MayLoseUnsavedChanges(toolkit, session, LosingChanges::OpeningAnother)) {
      OpenDesignFile(toolkit, session, paths.front(), services);
    }
  } else if (paths.size() > 1) {
    Caution(toolkit, "The design could not be opened; the form is as it was.",
            std::to_string(paths.size()) + " files were dropped; drop one design file.");
  }
}

void OpenPendingDesignFile(Toolkit& toolkit, DesktopSession& session) {
  const std::string path = std::exchange(session.designFile.pending, {});
  if (!path.empty()) {
    OpenDesignFile(toolkit, session, path);
  }
}

bool SaveDesign(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services) {
  const std::string path = session.designFile.path;  // a copy: the save renames it
  return path.empty() ? SaveDesignFromDialog(toolkit, session, services)
                      : SaveDesignTo(toolkit, session, path);
}

bool SaveDesignFromDialog(Toolkit& toolkit, DesktopSession& session,
                          const DesktopServices& services) {
  if (!services.chooseSaveFile) {
    return false;
  }
  const std::string& current = session.designFile.path;
  const std::optional<std::string> chosen = services.chooseSaveFile(
      SaveFileRequest{"Save Design", current.empty() ? kDefaultFileName : current,
                      "PFC design files", "pfcdesign"});
  if (!chosen || chosen->empty()) {
    return false;
  }
  return SaveDesignTo(toolkit, session, WithDesignExtension(*chosen));
}

bool SaveDesignTo(Toolkit& toolkit, DesktopSession& session, const std::string& path) {
  DesignFile design = ReadInputFormDesign(toolkit, session);
  const FileWriteResult written = WriteDesignFile(path, design);
  if (!written.written) {
    Caution(toolkit, "The design could not be saved.", written.Message());
    return false;
  }
  NameFile(toolkit, session, path, std::move(design));
  return true;
}

std::string WithDesignExtension(const std::string& chosen) {
  return EndsWithIgnoringCase(chosen, kDesignFileExtension) ? chosen
                                                            : chosen + kDesignFileExtension;
}

std::string DesignFileTitle(const std::string& path, bool changed, const std::string& caption) {
  return std::filesystem::path(path).filename().string() + (changed ? "*" : "") + " - " + caption;
}

bool HasUnsavedChanges(Toolkit& toolkit, const DesktopSession& session) {
  const InputFormFile& file = session.designFile;
  return !file.path.empty() && toolkit.IsLoaded(kInputForm) &&
         DesignFileText(ReadInputFormDesign(toolkit, session)) != DesignFileText(file.kept);
}

void ShowDesignFileTitle(Toolkit& toolkit, DesktopSession& session) {
  InputFormFile& file = session.designFile;
  const bool named = !file.path.empty() || !session.catalogueOrigin.BuiltIn();
  if (!toolkit.IsLoaded(kInputForm) || (!named && file.plainCaption.empty())) {
    return;  // the form's own title, untouched
  }
  if (file.plainCaption.empty()) {
    file.plainCaption = toolkit.Caption(kInputForm);
  }
  const std::string caption = CatalogueCaption(file.plainCaption, session.catalogueOrigin);
  const std::string title =
      file.path.empty() ? caption
                        : DesignFileTitle(file.path, HasUnsavedChanges(toolkit, session), caption);
  if (toolkit.Caption(kInputForm) != title) {
    toolkit.SetCaption(kInputForm, title);
  }
}

void ForgetDesignFile(DesktopSession& session) {
  InputFormFile& file = session.designFile;
  file.path.clear();
  file.kept = DesignFile{};
  file.plainCaption.clear();
}

}  // namespace pfc::ui
