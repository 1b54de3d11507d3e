#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "ui/qt/toolkit/qt_controls.h"
#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// Builds the Custom controls of one kind (ControlDescription::customKind) in the given parent.
using WidgetFactory = std::function<QWidget*(const ControlDescription&, QWidget* parent)>;
using WidgetFactories = std::map<std::string, WidgetFactory, std::less<>>;

// Where one control is built and what it reports once it is.
struct ControlSite {
  const ControlDescription& control;
  QWidget* window;
  ControlEvents events;
  const QString& pictureFolder;
  const WidgetFactories& customFactories;
};

// The control, placed, lettered and painted as designed, by the factory of its kind. Nullptr
// when nothing is drawn: a picture whose file is missing, a custom kind no factory builds.
QWidget* BuildControl(const ControlSite& site);

}  // namespace pfc::ui
