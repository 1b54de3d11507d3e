// Opens "Compare Cores" from the result summary of the default design, picks a row, and saves
// a picture of the window and of the two forms it is reached from:
// explorer_screenshot <folder>. Used to look at the layout, not run by CTest.
#include <QApplication>
#include <QDir>
#include <QItemSelectionModel>
#include <QTest>
#include <cstdio>

#include "ui/design_session.h"
#include "ui/explorer/qt/design_table.h"
#include "ui/explorer/qt/explorer_widgets.h"
#include "ui/form_names.h"
#include "ui/qt/qt_toolkit.h"
#include "ui/standard_forms.h"

namespace {

void Save(pfc::ui::QtToolkit& kit, const char* form, const QString& folder, const char* name) {
  QWidget* window = kit.Window(form);
  QTest::qWait(100);
  const QString path = folder + "/" + name + ".png";
  if (window == nullptr || !window->grab().save(path)) {
    std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    return;
  }
  std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: explorer_screenshot <folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  QApplication::setStyle(QStringLiteral("Fusion"));

  pfc::ui::DesignSession session;
  pfc::ui::DesktopServices services = pfc::ui::StandardServices();
  std::vector<pfc::Message> messages;
  pfc::ui::FormRegistry registry;
  pfc::ui::RegisterStandardForms(registry, session, services);
  pfc::ui::QtToolkit kit(registry, QCoreApplication::applicationDirPath());
  pfc::ui::AddExplorerWidgets(kit, session);
  kit.SetMessagePresenter([&messages](const pfc::Message& m) { messages.push_back(m); });

  using namespace pfc::ui;
  kit.Show(kInputForm);
  Save(kit, kInputForm, folder, "explorer-1-inputs");
  QTest::mouseClick(kit.Widget(kInputForm, "cmdProcess"), Qt::LeftButton);
  Save(kit, kSummaryForm, folder, "explorer-2-summary");
  QTest::mouseClick(kit.Widget(kSummaryForm, "cmdCompareCores"), Qt::LeftButton);
  if (auto* table = dynamic_cast<DesignTable*>(kit.Widget(kCompareCoresForm, "grdDesigns"))) {
    table->sortByColumn(8, Qt::AscendingOrder);  // total loss, lowest first
    table->selectRow(2);
    table->scrollToTop();
  }
  Save(kit, kCompareCoresForm, folder, "explorer-3-compare-cores");
  QTest::mouseClick(kit.Widget(kSummaryForm, "cmdIinterOutput"), Qt::LeftButton);
  Save(kit, kListingForm, folder, "explorer-4-calculations");
  for (const pfc::Message& m : messages) {
    std::printf("message [%s]: %s\n", m.title.c_str(), m.text.c_str());
  }
  return 0;
}
