#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/qt/toolkit/control_factories.h"
#include "ui/toolkit/form_host.h"

namespace pfc::ui {

class FormWindow;

// The toolkit on Qt Widgets. Each form becomes a top-level window built from its
// description: 15 twips are one device-independent pixel, object names are the control
// names, and "&" in captions becomes the Qt mnemonic. The program's event loop is left
// once no form is loaded.
class QtToolkit final : public FormHost {
 public:
  using WidgetFactory = ui::WidgetFactory;
  using MessagePresenter = std::function<void(const Message&)>;

  // Pictures are looked up in the given folder.
  QtToolkit(const FormRegistry& registry, QString pictureFolder);
  ~QtToolkit() override;

  // Builds the Custom controls of the given kind.
  void AddWidgetFactory(std::string customKind, WidgetFactory factory);
  // Replaces the modal message box (for tests that cannot answer one).
  void SetMessagePresenter(MessagePresenter presenter);
  // The window of a loaded form, or a control of it; nullptr when there is none.
  QWidget* Window(std::string_view form) const;
  QWidget* Widget(std::string_view form, std::string_view control);
  // Called once the first time a window is shown and painted.
  void SetFirstShownHandler(std::function<void()> handler);

  void Move(std::string_view form, int leftTwips, int topTwips) override;
  void Centre(std::string_view form) override;
  void SetMousePointer(std::string_view form, MousePointer pointer) override;
  std::string Caption(std::string_view form) override;
  void SetCaption(std::string_view form, std::string_view caption) override;
  void ShowMessage(const Message& message) override;
  SaveChangesAnswer AskToSaveChanges(std::string_view form, std::string_view title,
                                     std::string_view text) override;
  bool IsVisible(std::string_view form) const override;
  std::string Text(std::string_view form, std::string_view control) override;
  void SetText(std::string_view form, std::string_view control, std::string_view text) override;
  int ChooseFromMenu(std::string_view form, std::string_view control,
                     const std::vector<std::string>& items) override;
  void SetFocus(std::string_view form, std::string_view control) override;
  void SelectAll(std::string_view form, std::string_view control) override;
  void SetBold(std::string_view form, std::string_view control, bool bold) override;
  bool IsBold(std::string_view form, std::string_view control) override;
  void SetForeColor(std::string_view form, std::string_view control, Rgb colour) override;
  Rgb ForeColor(std::string_view form, std::string_view control) override;
  void SetToolTip(std::string_view form, std::string_view control, std::string_view tip) override;
  void SetEnabled(std::string_view form, std::string_view control, bool enabled) override;
  bool IsEnabled(std::string_view form, std::string_view control) override;
  void ClearItems(std::string_view form, std::string_view control) override;
  void AddItem(std::string_view form, std::string_view control, std::string_view item) override;
  int ItemCount(std::string_view form, std::string_view control) override;
  std::string ItemText(std::string_view form, std::string_view control, int position) override;
  void Choose(std::string_view form, std::string_view control, int position) override;
  int ChosenPosition(std::string_view form, std::string_view control) override;
  void SetTicked(std::string_view form, std::string_view control, bool ticked) override;
  bool IsTicked(std::string_view form, std::string_view control) override;

  // Called by the windows.
  void WindowActivated(FormWindow* window);
  void WindowClosedByUser(FormWindow* window);
  void WindowPainted();
  void WindowFilesDropped(FormWindow* window, std::vector<std::string> paths);

 protected:
  void CreateWindow(const FormDescription& description) override;
  void DestroyWindow(std::string_view form) override;
  void ShowWindow(std::string_view form) override;
  void HideWindow(std::string_view form) override;
  void OnNoFormLoaded() override;

 private:
  // The form's key commands, the program's keys and Enter for the default button.
  void AddKeys(const FormDescription& description, FormWindow* window);
  // What a control reports: each event reaches the form's logic while its window is the
  // form's current one.
  ControlEvents EventsOf(const std::string& formName, const std::string& name, FormWindow* window);
  QWidget* Require(std::string_view form, std::string_view control);
  bool IsCurrent(const std::string& form, const FormWindow* window) const;

  QString pictureFolder_;
  std::map<std::string, QPointer<FormWindow>, std::less<>> windows_;
  std::vector<QPointer<FormWindow>> createdWindows_;  // also the unloaded, not yet deleted
  WidgetFactories factories_;
  MessagePresenter presenter_;
  std::function<void()> firstShown_;
  // Lets a deferred end-of-program check know whether the toolkit still exists.
  std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
  QMetaObject::Connection focusWatch_;
};

}  // namespace pfc::ui
