#pragma once

#include <QString>
#include <QVariant>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/viewer/report_like_document.h"

#include "ui/qt/viewer/viewer_dialogs.h"

class QWebEngineView;

namespace pfc::test {

// Answers the viewer's dialogs from queues set up by the test: an empty queue, or a
// nullopt in it, is a cancelled dialog. The printer question counts its askings and is
// answered by `setUpPrinter` (cancelled unless the test says otherwise).
class ScriptedDialogs final : public ViewerDialogs {
 public:
  std::deque<std::optional<QString>> saveAnswers;
  std::deque<std::optional<QString>> openAnswers;
  std::deque<std::optional<QString>> pdfAnswers;
  std::function<bool(QPrinter&)> setUpPrinter = [](QPrinter&) { return false; };
  int printerQuestions = 0;
  std::deque<bool> replaceAnswers;  // an empty queue declines
  std::vector<QString> replaceQuestions;

  std::vector<QString> saveSuggestions;  // what each save dialog offered first
  std::optional<QString> AskSaveName(const QString& suggestedName) override {
    saveSuggestions.push_back(suggestedName);
    return Next(saveAnswers);
  }
  bool ConfirmReplace(const QString& path) override {
    replaceQuestions.push_back(path);
    const bool answer = !replaceAnswers.empty() && replaceAnswers.front();
    if (!replaceAnswers.empty()) {
      replaceAnswers.pop_front();
    }
    return answer;
  }
  std::optional<QString> AskOpenName() override { return Next(openAnswers); }
  std::optional<QString> AskPdfName() override { return Next(pdfAnswers); }
  bool SetUpPrinter(QPrinter& printer) override {
    ++printerQuestions;
    return setUpPrinter(printer);
  }

 private:
  static std::optional<QString> Next(std::deque<std::optional<QString>>& answers) {
    std::optional<QString> answer;
    if (!answers.empty()) {
      answer.swap(answers.front());
      answers.pop_front();
    }
    return answer;
  }
};

// The page's text as the browser renders it; empty when it does not answer in time.
QString PlainTextOf(QWebEngineView& view);
// Runs a script in the page and waits for its value.
QVariant EvaluateIn(QWebEngineView& view, const QString& script);

}  // namespace pfc::test
