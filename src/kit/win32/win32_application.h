// The Win32 backend: real windows and controls on the W APIs, text converted with code page 932 explicitly so
// the program shows Japanese right on a Windows of any language. It also drives its own windows with real
// input (messages to the real controls) for script mode. The application object owns the message loop, the
// shared fonts and brushes, the menu commands and the timers.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "kit/application.h"
#include "kit/controls.h"
#include "kit/input.h"

struct IRawElementProviderSimple;

namespace tovir::kit::win32 {

struct ChildWindow;
class Win32Form;

// The timer message's lParam when a script's `tick` sends it: under a script only these periods count, so
// that a run gives the same state however fast the machine is.
inline constexpr LPARAM kScriptTick = 0x7469636b;

class Win32Application final : public Application, public StateView, public Scriptable {
 public:
  Win32Application();
  ~Win32Application() override;
  Win32Application(const Win32Application&) = delete;
  Win32Application& operator=(const Win32Application&) = delete;

  // Runs the message loop until the main window closes.
  void Run();
  // The program as a whole to the taskbar, as the main window's minimise box and the taskbar button do: every
  // window shown goes, and comes back at the restore.
  void Minimize();
  void Restore();
  bool Minimized() const { return IsIconic(appWindow_) != FALSE; }
  // Whether a window is hidden only while the program is minimised; a window shown or hidden meanwhile is
  // recorded for the restore.
  bool Minimized(const Win32Form& form) const;
  void ShowWhenRestored(Win32Form& form, bool show);

  // Application.
  void SetTitle(std::string_view title) override;
  void ProcessMessages() override;
  void ProcessMessagesWhileBusy() override;
  void Beep() override;
  bool SetClipboardText(std::string_view cp932) override;
  bool SetClipboardTable(std::string_view cp932) override;
  void SetFocus(TControl& control) override;
  void ReportException(std::exception_ptr error) override;
  void Terminate() override;
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

  // StateView: read from the real windows and the real clipboard.
  std::vector<size_t> SelectedRows(TListBox& list) const override { return list.Peer().SelectedRows(); }
  int FocusRow(TListBox& list) const override { return list.ItemIndex(); }
  std::string FocusName() const override;
  std::optional<std::string> ClipboardText() const override;
  bool OffersClipboardHtml() const override { return true; }
  std::optional<std::string> ClipboardHtml() const override;
  Rect Bounds(TForm& form) const override { return form.Peer().Bounds(); }
  bool Visible(TForm& form) const override { return form.Peer().Visible(); }
  std::optional<ShownControl> Shown(const TControl& control) const override;
  std::optional<Rect> ClientArea(const TForm& form) const override;
  int Shows(TForm& form) const override;
  int Beeps() const override { return beeps_; }

  // Scriptable: real input to the real windows.
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
  void Tick(int n) override;
  void Pause(int milliseconds) override;
  // The list's UI Automation root element, as a screen reader gets it (one reference for the caller).
  IRawElementProviderSimple* AccessibleList(TListBox& list);
  void SetMessageHook(std::function<void()> hook) override { held_.Set(std::move(hook)); }
  void SetExceptionSink(std::function<void(std::exception_ptr)> sink) override { sink_ = std::move(sink); }

  // For the backend's own windows.
  // The system's DPI, which a form starts from until it knows the DPI of its own screen.
  int Dpi() const { return dpi_; }
  HFONT FontFor(const Font& font, int dpi);
  HBRUSH BrushFor(COLORREF colour);
  COLORREF ColourOf(const Color& colour, const TForm& form) const;
  HWND Owner() const { return appWindow_; }
  HICON Icon() const { return icon_; }
  int NewControlId(ChildWindow& child);
  void ForgetControl(int id) { children_.erase(id); }
  ChildWindow* Child(int id) const;
  ChildWindow* ChildOf(HWND hwnd) const;
  // The first window made for a control (a radio group's box before its buttons), or nullptr.
  ChildWindow* WindowOf(const TControl& control) const;
  Win32Form* FormOf(HWND hwnd) const;
  Win32Form* MainForm() const;
  void RegisterForm(Win32Form& form) { forms_.push_back(&form); }
  void ForgetForm(Win32Form& form);
  int MenuCommandId(TMenuItem& item);
  TMenuItem* MenuItemOf(int id) const;
  // Shows an item's check mark as it now is.
  void ShowChecked(TMenuItem& item);
  // A menu bar's items are recorded so that their check marks follow the program; a pop-up menu, made anew
  // for each showing and destroyed after it, records nothing.
  HMENU BuildMenu(const TMenu& menu, bool bar);
  // The menu a bar item's check mark stands in, or nullptr (for tests).
  HMENU MenuHandleOf(TMenuItem& item) const;
  void RegisterTimer(UINT_PTR id, TTimer* timer);
  UINT_PTR NewTimerId() { return nextTimerId_++; }
  // Whether input comes from a script: a pop-up menu is then not tracked (its modal loop would wait for a
  // user), and an exception is written out instead of shown in a message box.
  bool Driven() const { return static_cast<bool>(sink_); }
  // Runs a message the way the loop does: the key routing first (menu shortcuts, Esc), then the dialog keys
  // (Tab), then the window.
  void Dispatch(MSG& msg);
  // Runs an event's handler from a copy of it, reporting what escapes.
  void Deliver(const std::function<void()>& handler) { kit::DeliverEvent(*this, handler); }
  // Runs the program code a window message reaches, so that nothing it throws escapes into the system's
  // window procedure: what escapes is reported as an escaped handler's exception is, and the message gets
  // `fallback` as its result.
  template <typename Body>
  LRESULT Guarded(LRESULT fallback, Body&& body) {
    LRESULT result = fallback;
    kit::Deliver(*this, [&] { result = body(); });
    return result;
  }

  static LRESULT CALLBACK AppWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // Runs every message waiting now, without the script's hook.
  void Pump();
  bool HandleKey(const MSG& msg);
  bool PutOnClipboard(std::string_view cp932, bool table);
  // The clipboard's formats made when asked for: one of them, or all of them as the program ends.
  void RenderClipboard(UINT format);
  void RenderAllClipboard();
  // Another program's text replaced the program's own: nothing is held back any longer.
  void ForgetClipboard();

  LRESULT HandleAppMessage(UINT message, WPARAM wParam, LPARAM lParam);

  HWND appWindow_ = nullptr;
  HICON icon_ = nullptr;
  int dpi_ = 96;
  bool terminated_ = false;
  int beeps_ = 0;
  bool placedClipboard_ = false;
  UINT htmlFormat_ = 0;
  std::string clipboardText_;    // the text placed last, while the program owns the clipboard
  bool clipboardTable_ = false;  // it also goes as a table
  HeldInput held_;
  static constexpr std::chrono::milliseconds kPumpInterval{1};
  std::chrono::steady_clock::time_point lastPump_{};
  std::function<void(std::exception_ptr)> sink_;
  bool reporting_ = false;  // a report's message box is up
  std::vector<Win32Form*> forms_;
  std::vector<Win32Form*> minimized_;  // hidden with the program, shown again at the restore
  std::map<int, ChildWindow*> children_;
  int nextId_ = 100;
  std::vector<TMenuItem*> menuItems_;
  std::map<TMenuItem*, std::pair<HMENU, int>> menuHandles_;
  std::map<UINT_PTR, TTimer*> timers_;
  UINT_PTR nextTimerId_ = 1;
  std::map<std::wstring, HFONT> fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
};

}  // namespace tovir::kit::win32
