#include "ui/qt/operating_check/operating_check_widgets.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QByteArray>
#include <QComboBox>
#include <QFontInfo>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/qt/operating_check/operating_check_charts.h"
#include "ui/qt/toolkit/form_window.h"

namespace pfc::ui {

void AddOperatingCheckWidgets(QtToolkit& toolkit, DesktopSession& session) {
  toolkit.AddWidgetFactory(check_controls::kInductanceChartKind,
                           [&session](const ControlDescription&, QWidget* parent) {
                             return new InductanceChart(session.checked, parent);
                           });
  toolkit.AddWidgetFactory(check_controls::kLineCurrentChartKind,
                           [&session](const ControlDescription&, QWidget* parent) {
                             return new LineCurrentChart(session.checked, parent);
                           });
}

std::optional<std::string> DrawFormAsPdf(QtToolkit& toolkit, std::string_view form) {
  auto* formWindow = static_cast<FormWindow*>(toolkit.Window(form));
  if (formWindow == nullptr) {
    return std::nullopt;
  }
  // The whole of the content, also where the window scrolls it out of sight.
  QWidget* window = formWindow->Canvas();
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(formWindow->windowTitle());
    pdf.setCreator(QStringLiteral("PFC Core Designer"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    // Screen resolution: the widgets, the charts' dashes and legends included, are laid out
    // in screen pixels and draw the same way at about the same scale.
    pdf.setResolution(96);
    QPainter painter;
    if (!painter.begin(&pdf)) {
      return std::nullopt;
    }
    // The window scaled to fit the page, its proportions kept.
    const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const double scale =
        std::min(double(page.width()) / window->width(), double(page.height()) / window->height());
    painter.scale(scale, scale);
    painter.fillRect(window->rect(), window->palette().window());
    // Child by child, so that the buttons stay out: they do nothing on paper. A list shows
    // its choice as plain text, as the style draws its frame as a picture.
    for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (!child->isVisibleTo(window) || qobject_cast<QAbstractButton*>(child) != nullptr) {
        continue;
      }
      if (auto* list = qobject_cast<QComboBox*>(child)) {
        // In the window's pixels, as the widgets draw themselves, not in the PDF's points.
        QFont font = list->font();
        font.setPixelSize(QFontInfo(list->font()).pixelSize());
        painter.setFont(font);
        painter.setPen(list->palette().color(QPalette::Text));
        painter.drawText(list->geometry().adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         list->currentText());
        continue;
      }
      if (auto* view = qobject_cast<QGraphicsView*>(child)) {
        // The scene itself: through the view, a chart's legend is clipped to its first entry.
        view->scene()->render(&painter, QRectF(view->geometry()),
                              view->mapToScene(view->viewport()->rect()).boundingRect());
        continue;
      }
      child->render(&painter, child->pos(), QRegion(), QWidget::DrawChildren);
    }
    painter.end();
  }
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace pfc::ui
