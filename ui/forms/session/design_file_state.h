#pragma once

#include <string>

#include "reports/files/design_file.h"

namespace pfc::ui {

// What the input form knows of the design file its entries belong to. It lives as long as
// the form's entries do: unloading the form forgets it.
struct InputFormFile {
  std::string path;  // empty while the entries belong to no file
  // The form as it was last opened from or saved to that file: an unsaved change is any
  // difference from it.
  DesignFile kept;
  std::string plainCaption;  // the form's title before a file was named in it
  // Named on the command line; opened once the disclaimer is accepted.
  std::string pending;
};

}  // namespace pfc::ui
