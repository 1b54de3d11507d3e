#include "ui/qt/report_viewer.h"

#include <QPointer>
#include <QString>

#include "ui/qt/html_report_window.h"

namespace pfc {
namespace {

class WebReportViewer final : public ReportViewer {
 public:
  WebReportViewer(ui::Toolkit& toolkit, const DesignRecord& record)
      : toolkit_(toolkit), record_(record) {}
  ~WebReportViewer() override { delete window_.data(); }

  void ShowReport(const std::string& reportPath) override {
    if (window_.isNull()) {
      window_ = new frmHtmlReport(toolkit_, record_);
    }
    window_->ShowFile(QString::fromStdString(reportPath));
  }

  bool IsLoaded() const override { return !window_.isNull(); }

  void Unload() override {
    if (!window_.isNull()) {
      window_->close();
    }
  }

 private:
  ui::Toolkit& toolkit_;
  const DesignRecord& record_;
  QPointer<frmHtmlReport> window_;  // cleared when the window deletes itself on closing
};

}  // namespace
}  // namespace pfc

extern "C" Q_DECL_EXPORT pfc::ReportViewer* pfc_create_report_viewer(
    pfc::ui::Toolkit& toolkit, const pfc::DesignRecord& record) {
  return new pfc::WebReportViewer(toolkit, record);
}
