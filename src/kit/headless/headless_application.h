// The headless backend: every window and control in memory. It records what a user would see (texts, rows,
// selection, beeps, the clipboard) and takes the user's input from its caller; the tests and tovir-cli stand
// on it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kit/application.h"
#include "kit/controls.h"

namespace tovir::kit {

// The list box's own handling of input, as a Windows list box with extended selection does it.
class HeadlessListBox final : public ListBoxPeer {
 public:
  enum class Button { kLeft, kRight, kMiddle };
  enum class Keys { kNone, kShift, kCtrl };

  explicit HeadlessListBox(bool multiSelect) : multi_(multiSelect) {}

  void CountChanged(size_t count) override;
  int ItemIndex() const override;
  void SetItemIndex(int row) override;
  bool Selected(size_t row) const override { return row < selected_.size() && selected_[row] != 0; }
  void SetSelected(size_t row, bool selected) override;
  void ClearSelection() override;
  void Repaint() override {}

  // A mouse press on `row` (a row past the end presses the last row): left selects the row alone, Ctrl+left
  // toggles it, Shift+left selects the range from the anchor; right and middle move neither focus nor
  // selection.
  void Press(size_t row, Button button, Keys keys);
  std::vector<size_t> SelectedRows() const;

 private:
  bool multi_;
  std::vector<unsigned char> selected_;
  int caret_ = 0;    // focus row of a multiple-selection list
  int anchor_ = 0;   // where a Shift+click range starts
  int single_ = -1;  // selected row of a single-selection list
};

class HeadlessForm final : public FormPeer {
 public:
  explicit HeadlessForm(const TForm::Design& design);
  Rect Bounds() const override { return bounds_; }
  void SetPosition(int left, int top) override;
  bool Visible() const override { return visible_; }
  void Show() override;
  void Hide() override { visible_ = false; }
  void Repaint() override {}
  // How many times the window has been shown since it was created.
  int Shows() const { return shows_; }

 private:
  Rect bounds_;
  bool visible_ = false;
  int shows_ = 0;
};

class HeadlessApplication final : public Application {
 public:
  // The screen the windows are placed on, and the frame a dialog adds around its client area.
  static constexpr int kScreenWidth = 1024;
  static constexpr int kScreenHeight = 768;
  static constexpr int kDialogFrame = 3;
  static constexpr int kCaptionHeight = 19;

  void SetTitle(std::string_view title) override { title_ = std::string(title); }
  void ProcessMessages() override;
  void Beep() override { ++beeps_; }
  void SetClipboardText(std::string_view cp932) override { clipboard_ = std::string(cp932); }
  void SetFocus(TControl& control) override { focus_ = control.Name(); }
  void ReportException(std::string_view what) override;
  void Terminate() override { terminated_ = true; }
  bool Terminated() const override { return terminated_; }

  std::unique_ptr<ControlPeer> CreatePeer(TControl& control) override;
  std::unique_ptr<ListBoxPeer> CreatePeer(TListBox& list) override;
  std::unique_ptr<EditPeer> CreatePeer(TEdit& edit) override;
  std::unique_ptr<RadioGroupPeer> CreatePeer(TRadioGroup& group) override;
  std::unique_ptr<FormPeer> CreatePeer(TForm& form) override;
  void RegisterTimer(TTimer& timer) override { timers_.push_back(&timer); }
  void UnregisterTimer(TTimer& timer) override;

  // What "process messages" delivers: the caller's input queued for that moment.
  void SetMessageHook(std::function<void()> hook) { hook_ = std::move(hook); }
  // `n` periods of every enabled timer.
  void Tick(int n);
  void SetFocusName(std::string name) { focus_ = std::move(name); }

  const std::string& Title() const { return title_; }
  int Beeps() const { return beeps_; }
  const std::optional<std::string>& Clipboard() const { return clipboard_; }
  void ResetClipboard() { clipboard_.reset(); }
  const std::string& Focus() const { return focus_; }
  // Where exceptions that escaped a handler are reported; standard error unless set.
  void SetExceptionSink(std::function<void(std::string_view)> sink) { exceptionSink_ = std::move(sink); }

 private:
  std::string title_;
  std::function<void()> hook_;
  bool inHook_ = false;
  int beeps_ = 0;
  std::optional<std::string> clipboard_;
  std::string focus_;
  bool terminated_ = false;
  std::vector<TTimer*> timers_;
  std::function<void(std::string_view)> exceptionSink_;
};

}  // namespace tovir::kit
