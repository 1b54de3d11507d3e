#include "tests/viewer/viewer_test_support.h"

#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

namespace pfc::test {
namespace {

constexpr int kBrowserWaitMilliseconds = 20000;

}  // namespace

QString PlainTextOf(QWebEngineView& view) {
  auto text = std::make_shared<std::optional<QString>>();
  view.page()->toPlainText([text](const QString& result) { *text = result; });
  static_cast<void>(QTest::qWaitFor([&] { return text->has_value(); }, kBrowserWaitMilliseconds));
  return text->value_or(QString());
}

QVariant EvaluateIn(QWebEngineView& view, const QString& script) {
  auto value = std::make_shared<std::optional<QVariant>>();
  view.page()->runJavaScript(script, [value](const QVariant& result) { *value = result; });
  static_cast<void>(QTest::qWaitFor([&] { return value->has_value(); }, kBrowserWaitMilliseconds));
  return value->value_or(QVariant());
}

}  // namespace pfc::test
