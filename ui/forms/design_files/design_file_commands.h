#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reports/files/design_file.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/toolkit.h"

// The input form's design files: "Open Design…" and "Save Design…", a file dropped on the
// form or named on the command line, and the title that names the file and marks a change
// not yet saved. The format is reports/files/design_file.h.
namespace pfc::ui {

inline constexpr const char* kOpenDesignButton = "cmdOpenDesign";
inline constexpr const char* kSaveDesignButton = "cmdSaveDesign";
// Ctrl+S: the key command that saves without asking where (SaveDesign).
inline constexpr const char* kSaveDesignCommand = "keySaveDesign";

// The input form as a design file keeps it: every entry as typed, the unit and calculator
// choices, the picked core and the operating check's grade.
DesignFile ReadInputFormDesign(Toolkit& toolkit, const DesktopSession& session);

// Puts a design into the input form as the user would have typed and chosen it; nothing
// runs. When the form cannot hold it (a unit or a core its lists do not have) it changes
// nothing and returns why.
std::optional<std::string> FillInputForm(Toolkit& toolkit, DesktopSession& session,
                                         const DesignFile& design);

// Opens the file into the input form, which then names it in its title. A file that cannot
// be opened is told in a "Caution" box and changes nothing. When the catalogue the design was
// made on is missing or has changed, the user chooses to open it on the catalogue loaded
// now, on another catalogue file (only with the services' open dialog) or not at all.
// Returns whether it opened.
bool OpenDesignFile(Toolkit& toolkit, DesktopSession& session, const std::string& path,
                    const DesktopServices* services = nullptr);
// These two ask first whether to save the form's unsaved changes (unsaved_changes.h).
void OpenDesignFromDialog(Toolkit& toolkit, DesktopSession& session,
                          const DesktopServices& services);
void OpenDroppedFiles(Toolkit& toolkit, DesktopSession& session,
                      const std::vector<std::string>& paths,
                      const DesktopServices* services = nullptr);
// The file named on the command line, once; nothing when there is none.
void OpenPendingDesignFile(Toolkit& toolkit, DesktopSession& session);

// Saves to the file the form names, without asking; asks where when it names none. Returns
// whether the design was saved.
bool SaveDesign(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services);
// Asks where to save, then saves as SaveDesignTo does. Returns whether the design was saved.
bool SaveDesignFromDialog(Toolkit& toolkit, DesktopSession& session,
                          const DesktopServices& services);
// Replaces the file whole or not at all with the input form's design, which then belongs to
// it; a failure is told in a "Caution" box and leaves the old file as it was. Returns
// whether the design was saved.
bool SaveDesignTo(Toolkit& toolkit, DesktopSession& session, const std::string& path);

// The file a save writes: the chosen name, with the extension appended when it has not it.
std::string WithDesignExtension(const std::string& chosen);

// "boost.pfcdesign* - <caption>": the file's name, a star while the form differs from the
// file, then the form's own title.
std::string DesignFileTitle(const std::string& path, bool changed, const std::string& caption);

// Whether the input form differs from the file it names, as its title's star shows; false
// while no file is named.
bool HasUnsavedChanges(Toolkit& toolkit, const DesktopSession& session);

// Brings the input form's title up to date with its entries; nothing while no file is named.
void ShowDesignFileTitle(Toolkit& toolkit, DesktopSession& session);

// The entries are gone with the form, and so is their file.
void ForgetDesignFile(DesktopSession& session);

}  // namespace pfc::ui
