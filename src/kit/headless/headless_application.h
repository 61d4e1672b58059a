// The headless backend: every window and control in memory. It records what a user would see (texts, rows,
// selection, beeps, the clipboard) and takes the user's input from its caller, delivering it through the
// controls' events as real windows would; the tests and tovir-cli stand on it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kit/application.h"
#include "kit/controls.h"
#include "kit/input.h"

namespace tovir::kit {

// The list box's own handling of input, as a Windows list box with extended selection does it.
class HeadlessListBox final : public ListBoxPeer {
 public:
  explicit HeadlessListBox(bool multiSelect) : multi_(multiSelect) {}

  void CountChanged(size_t count) override;
  int ItemIndex() const override;
  void SetItemIndex(int row) override;
  bool Selected(size_t row) const override { return row < selected_.size() && selected_[row] != 0; }
  void SetSelected(size_t row, bool selected) override;
  void ClearSelection() override;
  std::vector<size_t> SelectedRows() const override;
  void Repaint() override {}

  // A mouse press on `row` (a row past the end presses the last row): left selects the row alone, Ctrl+left
  // toggles it, Shift+left selects the range from the anchor; right and middle move neither focus nor
  // selection.
  void Press(size_t row, MouseButton button, ShiftState shift);

 private:
  bool multi_;
  std::vector<unsigned char> selected_;
  int caret_ = 0;    // focus row of a multiple-selection list
  int anchor_ = 0;   // where a Shift+click range starts
  int single_ = -1;  // selected row of a single-selection list
};

class HeadlessForm final : public FormPeer {
 public:
  explicit HeadlessForm(const FormLayout& layout);
  Rect Bounds() const override { return bounds_; }
  void SetPosition(int left, int top) override;
  bool Visible() const override { return visible_; }
  void Show() override;
  void Hide() override { visible_ = false; }
  void Repaint() override {}
  int Shows() const { return shows_; }

 private:
  Rect bounds_;
  bool visible_ = false;
  int shows_ = 0;
};

class HeadlessApplication : public Application, public StateView, public Scriptable {
 public:
  // The screen the windows are placed on.
  static constexpr int kScreenWidth = 1024;
  static constexpr int kScreenHeight = 768;

  HeadlessApplication() = default;
  HeadlessApplication(const HeadlessApplication&) = delete;
  HeadlessApplication& operator=(const HeadlessApplication&) = delete;

  void SetTitle(std::string_view title) override { title_ = std::string(title); }
  void ProcessMessages() override;
  void Beep() override { ++beeps_; }
  bool SetClipboardText(std::string_view cp932) override {
    if (clipboardBusy_) return false;
    clipboard_ = std::string(cp932);
    return true;
  }
  // Another program holds the clipboard (for tests).
  void SetClipboardBusy(bool busy) { clipboardBusy_ = busy; }
  void SetFocus(TControl& control) override { focus_ = &control; }
  void ReportException(std::exception_ptr error) override;
  void Terminate() override { terminated_ = true; }
  bool Terminated() const override { return terminated_; }
  StateView& State() override { return *this; }

  std::unique_ptr<ControlPeer> CreatePeer(TBevel& bevel) override;
  std::unique_ptr<TextPeer> CreatePeer(TLabel& label) override;
  std::unique_ptr<TextPeer> CreatePeer(TButton& button) override;
  std::unique_ptr<TextPeer> CreatePeer(TStatusBar& status) override;
  std::unique_ptr<ProgressBarPeer> CreatePeer(TProgressBar& bar) override;
  std::unique_ptr<ControlPeer> CreatePeer(TImage& image) override;
  std::unique_ptr<EditPeer> CreatePeer(TEdit& edit) override;
  std::unique_ptr<EditPeer> CreatePeer(TMemo& memo) override;
  std::unique_ptr<ListBoxPeer> CreatePeer(TListBox& list) override;
  std::unique_ptr<RadioGroupPeer> CreatePeer(TRadioGroup& group) override;
  std::unique_ptr<MenuItemPeer> CreatePeer(TMenuItem& item) override;
  std::unique_ptr<TimerPeer> CreatePeer(TTimer& timer) override;
  std::unique_ptr<FormPeer> CreatePeer(TForm& form) override;

  // The state view.
  std::vector<size_t> SelectedRows(TListBox& list) const override { return list.Peer().SelectedRows(); }
  int FocusRow(TListBox& list) const override { return list.ItemIndex(); }
  std::string FocusName() const override { return focus_ != nullptr ? focus_->Name() : std::string(); }
  std::optional<std::string> ClipboardText() const override { return clipboard_; }
  Rect Bounds(TForm& form) const override { return form.Peer().Bounds(); }
  bool Visible(TForm& form) const override { return form.Peer().Visible(); }
  // A label that sizes itself stands as the kit places it for its caption's nominal extent; every other
  // control as its design puts it.
  std::optional<ShownControl> Shown(const TControl& control) const override;
  int Shows(TForm& form) const override;
  int Beeps() const override { return beeps_; }

  // The user's input.
  void PressRow(TListBox& list, size_t row, MouseButton button = MouseButton::kLeft,
                ShiftState shift = {}) override;
  void PickRadioItem(TRadioGroup& group, int index) override;
  void ClickButton(TButton& button) override;
  void TypeText(TEdit& edit, std::string_view cp932) override;
  void ChooseMenuItem(TMenuItem& item) override;
  void PressKey(const Key& key) override;
  void Focus(TControl& control) override;
  void FocusWindow(TForm& form) override;
  void DropFiles(TForm& form, std::vector<std::string> names) override;
  void ClickCloseBox(TForm& form) override;
  // `n` periods of every enabled timer.
  void Tick(int n) override;

  // What "process messages" delivers: the caller's input queued for that moment.
  void SetMessageHook(std::function<void()> hook) override { held_.Set(std::move(hook)); }
  const std::string& Title() const { return title_; }
  const std::optional<std::string>& Clipboard() const { return clipboard_; }
  void ResetClipboard() { clipboard_.reset(); }
  // Where exceptions that escaped a handler are reported; standard error unless set.
  void SetExceptionSink(std::function<void(std::exception_ptr)> sink) override {
    exceptionSink_ = std::move(sink);
  }

 private:
  friend class HeadlessTimer;
  TForm* FocusedWindow() const;
  TForm* MainWindow() const;

  std::string title_;
  HeldInput held_;
  int beeps_ = 0;
  std::optional<std::string> clipboard_;
  bool clipboardBusy_ = false;
  TControl* focus_ = nullptr;
  bool terminated_ = false;
  std::vector<TForm*> forms_;
  // Every live timer with the serial number it was made with: a timer destroyed while the timers tick is
  // never ticked, even when a new one takes its place in memory.
  std::vector<std::pair<TTimer*, unsigned long>> timers_;
  unsigned long nextTimerSerial_ = 0;
  std::function<void(std::exception_ptr)> exceptionSink_;
};

}  // namespace tovir::kit
