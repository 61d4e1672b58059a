// Real input for a script: messages to the real controls, through the message loop, as the user's mouse,
// keyboard and shell would send them.
#include "kit/win32/win32_application.h"
// After windows.h, which it needs.
#include <shlobj.h>

#include <algorithm>

#include "kit/win32/win32_controls.h"
#include "kit/win32/win32_form.h"
#include "kit/win32/win32_list_box.h"
#include "kit/win32/win32_text.h"

namespace tovir::kit::win32 {

namespace {

bool Reachable(const TControl& control) {
  return control.Enabled() && control.Visible() && control.Owner().Visible();
}

}  // namespace

void Win32Application::PressRow(TListBox& list, size_t row, MouseButton button, ShiftState shift) {
  if (!Reachable(list)) return;
  auto& peer = static_cast<ListWindow&>(list.Peer());
  HWND hwnd = peer.window.hwnd;
  size_t count = peer.Count();
  POINT at{4, 2};
  if (count > 0) at = peer.PointOfRow(std::min(row, count - 1));
  WPARAM keys = (shift.shift ? MK_SHIFT : 0) | (shift.ctrl ? MK_CONTROL : 0);
  UINT down = button == MouseButton::kLeft    ? WM_LBUTTONDOWN
              : button == MouseButton::kRight ? WM_RBUTTONDOWN
                                              : WM_MBUTTONDOWN;
  UINT up = down + 1;
  LPARAM where = MAKELPARAM(at.x, at.y);
  SendMessageW(hwnd, down, keys | (button == MouseButton::kLeft ? MK_LBUTTON : 0), where);
  SendMessageW(hwnd, up, keys, where);
  Pump();
}

void Win32Application::PickRadioItem(TRadioGroup& group, int index) {
  if (!Reachable(group)) return;
  auto& peer = static_cast<RadioGroupWindow&>(group.Peer());
  if (index < 0 || index >= static_cast<int>(peer.buttons.size())) {
    ::SetFocus(peer.buttons.empty() ? peer.window.hwnd : peer.buttons.front()->hwnd);
    return;
  }
  SendMessageW(peer.buttons[static_cast<size_t>(index)]->hwnd, BM_CLICK, 0, 0);
  Pump();
}

void Win32Application::ClickButton(TButton& button) {
  if (!Reachable(button)) return;
  if (ChildWindow* w = WindowOf(button)) SendMessageW(w->hwnd, BM_CLICK, 0, 0);
  Pump();
}

void Win32Application::TypeText(TEdit& edit, std::string_view cp932) {
  if (!Reachable(edit)) return;
  ChildWindow* w = WindowOf(edit);
  if (w == nullptr) return;
  ::SetFocus(w->hwnd);
  if (!edit.ReadOnly()) {
    // Typing over the whole text; the edit keeps the exact bytes as typed.
    SendMessageW(w->hwnd, EM_SETSEL, 0, -1);
    edit.Peer().SetText(cp932);
  }
  Pump();
}

void Win32Application::ChooseMenuItem(TMenuItem& item) {
  Win32Form* main = MainForm();
  HWND target = main != nullptr ? main->Handle() : nullptr;
  if (auto* form = dynamic_cast<Win32Form*>(&item.Owner().Peer())) target = form->Handle();
  SendMessageW(target, WM_COMMAND, MAKEWPARAM(MenuCommandId(item), 0), 0);
  Pump();
}

void Win32Application::PressKey(std::string_view key) {
  HWND focus = GetFocus();
  if (focus == nullptr) {
    Win32Form* main = MainForm();
    focus = main != nullptr ? main->Handle() : nullptr;
  }
  bool ctrl = key.size() > 5 && (key.substr(0, 5) == "Ctrl+" || key.substr(0, 5) == "ctrl+");
  WPARAM vk = ctrl ? static_cast<WPARAM>(key[5] & ~0x20) : VK_ESCAPE;
  BYTE state[256];
  GetKeyboardState(state);
  BYTE saved = state[VK_CONTROL];
  if (ctrl) state[VK_CONTROL] = 0x80;
  SetKeyboardState(state);
  MSG msg{focus, WM_KEYDOWN, vk, 1, static_cast<DWORD>(GetMessageTime()), {}};
  Dispatch(msg);
  GetKeyboardState(state);
  state[VK_CONTROL] = saved;
  SetKeyboardState(state);
  Pump();
}

void Win32Application::Focus(TControl& control) {
  if (!Reachable(control)) return;
  if (ChildWindow* w = WindowOf(control)) ::SetFocus(w->hwnd);
  Pump();
}

void Win32Application::FocusWindow(TForm& form) {
  TControl* first = form.FirstInTabOrder();
  if (first == nullptr) return;
  HWND window = static_cast<Win32Form&>(form.Peer()).Handle();
  if (IsWindowVisible(window)) SetActiveWindow(window);
  if (ChildWindow* w = WindowOf(*first)) ::SetFocus(w->hwnd);
  Pump();
}

void Win32Application::DropFiles(TForm& form, std::vector<std::string> names) {
  // A real drop handle as the shell makes it: DROPFILES, then the names in UTF-16, each ended by a zero, and
  // one zero more.
  std::wstring block;
  for (const std::string& name : names) {
    block += Wide(name);
    block += L'\0';
  }
  block += L'\0';
  size_t bytes = sizeof(DROPFILES) + block.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  if (memory == nullptr) return;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::copy(block.begin(), block.end(),
            reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(drop) + sizeof(DROPFILES)));
  GlobalUnlock(memory);
  // The window releases the handle.
  SendMessageW(static_cast<Win32Form&>(form.Peer()).Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory),
               0);
  Pump();
}

void Win32Application::ClickCloseBox(TForm& form) {
  SendMessageW(static_cast<Win32Form&>(form.Peer()).Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
}

void Win32Application::Tick(int n) {
  for (int i = 0; i < n; ++i) {
    // A handler may switch timers on or off: walk a copy.
    std::map<UINT_PTR, TTimer*> timers = timers_;
    for (auto& [id, timer] : timers) SendMessageW(appWindow_, WM_TIMER, id, kScriptTick);
  }
  Pump();
}

IRawElementProviderSimple* Win32Application::AccessibleList(TListBox& list) {
  return static_cast<ListWindow&>(list.Peer()).Accessible();
}

void Win32Application::Pause(int milliseconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    Pump();
  }
}

}  // namespace tovir::kit::win32
