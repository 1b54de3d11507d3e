#pragma once

#include <optional>
#include <string>

#include "engine/search/design_search.h"
#include "reports/files/design_file.h"
#include "ui/forms/session/checked_design.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/toolkit.h"

// The way into the "Find Designs" window and the ways out of it with a found design.
namespace pfc::ui {

// Shows the window for the input form's entries as they stand and the session's limits
// (bringing it to the front when it is open, and searching again when its search was for
// other entries or limits); its loading starts the search. Entries that "&Show Results" would
// refuse get the same caution and focus move, and no window opens.
void OpenFindDesigns(Toolkit& toolkit, DesktopSession& session);

// The materials and stacks the window's boxes ask for, with the session's limits; the message
// for the first box that does not read, with its control, when one does not.
struct SearchSettings {
  std::optional<SearchRequest> request;
  std::string refusal;
  std::string control;
};
SearchSettings ReadSearchSettings(const std::string& grades, const std::string& stacks,
                                  const DesignLimits& limits);

// Searches the input form's entries with what the window's boxes ask for, or says why a box
// does not read and moves the focus to it.
void SearchFromWindow(Toolkit& toolkit, DesktopSession& session);

// The found design as a design file: the entries it was found for with its core picked and
// its stack count, its grade (or its material of the user's own, by value: one of the
// materials searched) and its winding.
DesignFile FoundDesignFile(const EntryTexts& entries, const CoreCatalogue& catalogue,
                           const SearchCandidate& candidate,
                           const std::vector<Material>& materials);

// Opens the "Operating Check" window on the found design: a designer's pick of its core and
// stack wound with its turns and wire, checked in its material. A pick that cannot be wound
// gets a caution with the reason instead.
void CheckFoundDesign(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services,
                      const EntryTexts& entries, const SearchCandidate& candidate);

// Winds and checks the found design as CheckFoundDesign does, into `checked`; the caution's
// text when it cannot be, empty when it was checked.
std::string CheckFoundDesignInto(CheckedDesign& checked, const DesktopSession& session,
                                 const DesktopServices& services, const EntryTexts& entries,
                                 const SearchCandidate& candidate);

// "Export Model…" of the found design: its model as the Operating Check window would export
// it, without opening that window. A pick that cannot be wound gets a caution instead.
void ExportFoundModel(Toolkit& toolkit, const DesktopSession& session,
                      const DesktopServices& services, const EntryTexts& entries,
                      const SearchCandidate& candidate);

}  // namespace pfc::ui
