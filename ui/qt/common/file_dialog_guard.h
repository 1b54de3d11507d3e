#pragma once

#include <QString>

class QWidget;

namespace pfc::ui {

// Whether the path lies in one of the kernel's folders (/proc, /sys, /dev), itself or
// through a link. Their files never end or block whoever reads them.
bool IsInSystemFolder(const QString& path);

// Keeps every file dialog of the program, Qt's own ones inside other dialogs included, out
// of the kernel's folders: file types are told by name, never by reading the file, and a
// dialog that enters such a folder, or opens in it, goes back to a folder of files. Installed
// once per application; later calls do nothing.
void GuardFileDialogs();

// The message for a chosen path in a kernel folder, in a box over `parent`.
void RefuseSystemPath(QWidget* parent, const QString& title, const QString& path);

}  // namespace pfc::ui
