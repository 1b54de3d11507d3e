// Walks through the windows of a design session on the Qt toolkit and saves a picture of
// each one: window_screenshots <folder>. Used to look at the layouts, not run by CTest.
#include <QApplication>
#include <QDir>
#include <QPixmap>
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
    std::fprintf(stderr, "usage: window_screenshots <folder>\n");
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
  kit.Show(kEnterForm);
  Save(kit, kEnterForm, folder, "1-disclaimer");
  QTest::mouseClick(kit.Widget(kEnterForm, "cmdProcess"), Qt::LeftButton);
  Save(kit, kInputForm, folder, "2-inputs");
  QTest::mouseClick(kit.Widget(kInputForm, "chkPickCore"), Qt::LeftButton, {}, QPoint(8, 10));
  kit.Choose(kInputForm, "txtCoreSize", 31);
  Save(kit, kInputForm, folder, "3-inputs-pick-list");
  QTest::mouseClick(kit.Widget(kInputForm, "chkCalcCore"), Qt::LeftButton, {}, QPoint(8, 10));
  QTest::mouseClick(kit.Widget(kInputForm, "cmdProcess"), Qt::LeftButton);
  Save(kit, kSummaryForm, folder, "4-summary");
  QTest::mouseClick(kit.Widget(kSummaryForm, "cmdIinterOutput"), Qt::LeftButton);
  Save(kit, kListingForm, folder, "5-calculations");
  QTest::mouseClick(kit.Widget(kListingForm, "cmdExit"), Qt::LeftButton);
  QTest::mouseClick(kit.Widget(kSummaryForm, "cmdCompareCores"), Qt::LeftButton);
  if (auto* table = dynamic_cast<DesignTable*>(kit.Widget(kCompareCoresForm, "grdDesigns"))) {
    table->sortByColumn(8, Qt::AscendingOrder);  // total loss, lowest first
    table->selectRow(2);
    table->scrollToTop();
  }
  Save(kit, kCompareCoresForm, folder, "6-compare-cores");
  kit.Unload(kCompareCoresForm);
  QTest::mouseClick(kit.Widget(kSummaryForm, "cmdExit"), Qt::LeftButton);
  QTest::mouseClick(kit.Widget(kInputForm, "cmdHelp"), Qt::LeftButton);
  Save(kit, kDirectionsForm, folder, "7-directions");
  for (const pfc::Message& m : messages) {
    std::printf("message [%s]: %s\n", m.title.c_str(), m.text.c_str());
  }
  return 0;
}
