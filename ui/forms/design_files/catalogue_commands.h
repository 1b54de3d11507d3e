#pragma once

#include <optional>
#include <string>

#include "reports/files/design_file.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/toolkit.h"

// The core catalogue the session designs on, as the input form changes it: a catalogue file
// of the user's own ("Core Catalogue…"), the built-in one ("Built-in Catalogue"), or the one a
// design file was made on. Every window that lists cores follows: the core list, Compare
// Cores and the form's title, which names a catalogue file.
namespace pfc::ui {

inline constexpr const char* kCoreCatalogueButton = "cmdCoreCatalogue";
inline constexpr const char* kBuiltInCatalogueButton = "cmdBuiltInCatalogue";

// Asks for a catalogue file and loads it as LoadCatalogueFile does.
void LoadCatalogueFromDialog(Toolkit& toolkit, DesktopSession& session,
                             const DesktopServices& services);

// Reads the file and designs on its cores from now on. A refused file is told in a "Caution"
// box, naming its line and column, and changes nothing. Returns whether it was loaded.
bool LoadCatalogueFile(Toolkit& toolkit, DesktopSession& session, const std::string& path);

// Back to the built-in catalogue.
void UseBuiltInCatalogueOnForm(Toolkit& toolkit, DesktopSession& session);

// The session's catalogue as one piece, to put back.
struct SessionCatalogue {
  CoreCatalogue catalogue;
  CatalogueOrigin origin;
};

// Puts the catalogue the design was made on into the session, the one it replaces kept in
// `replaced` (left empty when the session has it already). Touches no window; returns why
// not, the session unchanged, when its catalogue file is missing or has changed.
std::optional<std::string> TakeDesignCatalogue(DesktopSession& session, const DesignFile& design,
                                               const std::string& designPath,
                                               std::optional<SessionCatalogue>& replaced);
void PutBackCatalogue(DesktopSession& session, SessionCatalogue replaced);

// Brings the windows that list cores up to date with the session's catalogue: the core list
// (keeping the chosen core when the catalogue has it), Compare Cores and the title.
void FollowCatalogue(Toolkit& toolkit, DesktopSession& session);

// The input form's title with the catalogue file named: "<caption> - cores: mine.csv".
std::string CatalogueCaption(const std::string& caption, const CatalogueOrigin& origin);

}  // namespace pfc::ui
