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

void Win32Application::PressRow(TListBox& list, size_t row, MouseButton button, ShiftState shift) {
  if (!list.TakesInput()) return;
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
  if (!group.TakesInput()) return;
  auto& peer = static_cast<RadioGroupWindow&>(group.Peer());
  if (index < 0 || index >= static_cast<int>(peer.buttons.size())) {
    ::SetFocus(peer.buttons.empty() ? peer.window.hwnd : peer.buttons.front()->hwnd);
    return;
  }
  SendMessageW(peer.buttons[static_cast<size_t>(index)]->hwnd, BM_CLICK, 0, 0);
  Pump();
}

void Win32Application::ClickButton(TButton& button) {
  if (!button.TakesInput()) return;
  if (ChildWindow* w = WindowOf(button)) SendMessageW(w->hwnd, BM_CLICK, 0, 0);
  Pump();
}

void Win32Application::TypeText(TEdit& edit, std::string_view cp932) {
  if (!edit.TakesInput()) return;
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

void Win32Application::PressKey(const Key& key) {
  HWND focus = GetFocus();
  if (focus == nullptr) {
    Win32Form* main = MainForm();
    focus = main != nullptr ? main->Handle() : nullptr;
  }
  WPARAM vk = 0;
  switch (key.code) {
    case Key::Code::kLetter:
      vk = static_cast<WPARAM>(key.letter);
      break;
    case Key::Code::kEscape:
      vk = VK_ESCAPE;
      break;
    case Key::Code::kEnter:
      vk = VK_RETURN;
      break;
    case Key::Code::kTab:
      vk = VK_TAB;
      break;
    case Key::Code::kF1:
      vk = VK_F1;
      break;
  }
  // The modifier keys held for the press, as the keyboard's state says, and let go after it.
  BYTE state[256];
  GetKeyboardState(state);
  const BYTE saved[] = {state[VK_CONTROL], state[VK_SHIFT], state[VK_MENU]};
  state[VK_CONTROL] = key.ctrl ? 0x80 : 0;
  state[VK_SHIFT] = key.shift ? 0x80 : 0;
  state[VK_MENU] = key.alt ? 0x80 : 0;
  SetKeyboardState(state);
  MSG msg{focus,
          static_cast<UINT>(key.alt ? WM_SYSKEYDOWN : WM_KEYDOWN),
          vk,
          1,
          static_cast<DWORD>(GetMessageTime()),
          {}};
  Dispatch(msg);
  GetKeyboardState(state);
  state[VK_CONTROL] = saved[0];
  state[VK_SHIFT] = saved[1];
  state[VK_MENU] = saved[2];
  SetKeyboardState(state);
  Pump();
}

void Win32Application::Focus(TControl& control) {
  if (!control.TakesInput()) return;
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
    // A handler may switch timers on or off, or destroy them: the period sends each id that was there when
    // it began, and the application window ticks it only if it is still there.
    std::vector<UINT_PTR> ids;
    for (const auto& entry : timers_) ids.push_back(entry.first);
    for (UINT_PTR id : ids) SendMessageW(appWindow_, WM_TIMER, id, kScriptTick);
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
