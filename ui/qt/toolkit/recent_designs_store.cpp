#include "ui/qt/toolkit/recent_designs_store.h"

#include <QSettings>
#include <QStringList>

namespace pfc::ui {
namespace {

const QString kKey = QStringLiteral("files");

QSettings Settings() {
  return QSettings(QStringLiteral("pfc-core-designer"), QStringLiteral("recent-designs"));
}

}  // namespace

std::vector<std::string> LoadRecentDesigns() {
  std::vector<std::string> paths;
  for (const QString& path : Settings().value(kKey).toStringList()) {
    paths.push_back(path.toStdString());
  }
  return paths;
}

void SaveRecentDesigns(const std::vector<std::string>& paths) {
  QStringList list;
  for (const std::string& path : paths) {
    list.append(QString::fromStdString(path));
  }
  QSettings settings = Settings();
  settings.setValue(kKey, list);
}

}  // namespace pfc::ui
