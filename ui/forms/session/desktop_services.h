#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue/catalogue.h"
#include "engine/method/design_run.h"
#include "engine/record/design_record.h"
#include "reports/files/atomic_file.h"
#include "reports/summary/result_summary.h"

namespace pfc::ui {

// What a save dialog asks for: a title, the name it suggests and the one file type it offers.
struct SaveFileRequest {
  std::string title;
  std::string suggestedName;
  std::string fileTypeName;  // "CSV files"
  std::string extension;     // "csv", appended when the user types a name without one
};

// One file type of a save dialog that offers several.
struct FileType {
  std::string name;       // "CSV files"
  std::string extension;  // "csv"
};

// What a save dialog offering several file types asks for: the first is offered first, and
// the chosen one's extension is appended to a name typed without one.
struct SaveTypedFileRequest {
  std::string title;
  std::string suggestedName;  // without an extension
  std::vector<FileType> types;
};

// The file a typed save dialog chose, and the position of the type chosen with it.
struct ChosenFile {
  std::string path;
  std::size_t type = 0;
};

// What an open dialog asks for: a title, the folder or file it starts at and the file type it
// offers first (every file is offered too).
struct OpenFileRequest {
  std::string title;
  std::string startPath;
  std::string fileTypeName;  // "PFC design files"
  std::string extension;     // "pfcdesign"
};

// What the windows ask of the world outside the toolkit. The application fills these in;
// tests replace them.
struct DesktopServices {
  using DesignRunner = std::function<RunOutcome(const EntryTexts&, DesignRecord&,
                                                const CoreCatalogue&, const WireTable&, char)>;
  DesignRunner runDesign;
  // The TEMP environment variable as it stands; empty when unset.
  std::function<std::string()> readTempFolder;
  // Writes the report file of the summary's texts and the record into the temporary folder
  // the environment names now, which it keeps in the last argument.
  std::function<FileWriteResult(const ResultSummary&, const DesignRecord&, std::string&)>
      writeReport;
  // Shows a written report; returns the reason when it could not be shown.
  std::function<std::optional<std::string>(const std::string& reportPath)> showReport;
  // Closes the report viewer; nothing when it is not open.
  std::function<void()> closeReport;
  // Opens the maker's web site, using the given folder for its scratch file; returns the
  // message to show when that failed.
  std::function<std::optional<Message>(const std::string& tempFolder)> launchWebSite;
  // Asks where to save a file; nothing when the user cancelled.
  std::function<std::optional<std::string>(const SaveFileRequest&)> chooseSaveFile;
  // Asks where to save a file of one of several types; nothing when the user cancelled.
  std::function<std::optional<ChosenFile>(const SaveTypedFileRequest&)> chooseTypedSaveFile;
  // Asks which file to open; nothing when the user cancelled.
  std::function<std::optional<std::string>(const OpenFileRequest&)> chooseOpenFile;
  // The design files last opened or saved, the latest first, as kept between runs; and
  // keeping a new list. Unset: no list is kept.
  std::function<std::vector<std::string>()> loadRecentDesigns;
  std::function<void(const std::vector<std::string>&)> saveRecentDesigns;
  // A window's contents drawn as a PDF document, text as text; nothing when it cannot be.
  std::function<std::optional<std::string>(std::string_view form)> drawFormAsPdf;
};

// The engine, the report writer and the process environment.
DesktopServices StandardServices();

}  // namespace pfc::ui
