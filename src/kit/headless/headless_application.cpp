// The headless backend.
#include "kit/headless/headless_application.h"

#include <algorithm>
#include <cstdio>

#include "base/cp932.h"

namespace tovir::kit {

namespace {

class HeadlessControl final : public ControlPeer {};

class HeadlessText final : public TextPeer {
 public:
  void SetText(std::string_view) override {}
};

class HeadlessProgressBar final : public ProgressBarPeer {
 public:
  void SetPosition(int) override {}
};

class HeadlessEdit final : public EditPeer {
 public:
  std::string Text() const override { return text_; }
  void SetText(std::string_view text) override { text_.assign(CutAtNul(text)); }

 private:
  std::string text_;
};

class HeadlessRadioGroup final : public RadioGroupPeer {
 public:
  int ItemIndex() const override { return index_; }
  void SetItemIndex(int index) override { index_ = index; }

 private:
  int index_ = -1;
};

class HeadlessMenuItem final : public MenuItemPeer {
 public:
  void SetChecked(bool) override {}
};

}  // namespace

// A timer ticks when the caller says so (Tick), for as long as its control lives.
class HeadlessTimer final : public TimerPeer {
 public:
  HeadlessTimer(HeadlessApplication& app, TTimer& timer) : app_(app), timer_(timer) {
    app_.timers_.push_back(&timer_);
  }
  ~HeadlessTimer() override {
    auto& timers = app_.timers_;
    timers.erase(std::remove(timers.begin(), timers.end(), &timer_), timers.end());
  }
  void SetEnabled(bool) override {}

 private:
  HeadlessApplication& app_;
  TTimer& timer_;
};

HeadlessForm::HeadlessForm(const FormLayout& layout)
    : bounds_(OuterBounds(layout, FrameMetrics{}, HeadlessApplication::kScreenWidth,
                          HeadlessApplication::kScreenHeight)) {}

void HeadlessForm::SetPosition(int left, int top) {
  bounds_.left = left;
  bounds_.top = top;
}

void HeadlessForm::Show() {
  visible_ = true;
  ++shows_;
}

void HeadlessListBox::CountChanged(size_t count) {
  if (count == 0) {
    selected_.clear();
    caret_ = 0;
    anchor_ = 0;
    single_ = -1;
    return;
  }
  selected_.resize(count, 0);
}

int HeadlessListBox::ItemIndex() const {
  int count = static_cast<int>(selected_.size());
  if (!multi_) return single_ < count ? single_ : -1;
  if (count == 0) return -1;
  return std::clamp(caret_, 0, count - 1);
}

void HeadlessListBox::SetItemIndex(int row) {
  int count = static_cast<int>(selected_.size());
  if (row < -1 || row >= count) return;
  if (multi_) {
    if (row >= 0) caret_ = row;
    return;
  }
  single_ = row;
  std::fill(selected_.begin(), selected_.end(), 0);
  if (row >= 0) selected_[static_cast<size_t>(row)] = 1;
}

void HeadlessListBox::SetSelected(size_t row, bool selected) {
  if (row >= selected_.size()) return;
  if (!multi_) {
    SetItemIndex(selected ? static_cast<int>(row) : -1);
    return;
  }
  selected_[row] = selected ? 1 : 0;
}

void HeadlessListBox::ClearSelection() {
  std::fill(selected_.begin(), selected_.end(), 0);
  single_ = -1;
}

void HeadlessListBox::Press(size_t row, MouseButton button, ShiftState shift) {
  if (selected_.empty() || button != MouseButton::kLeft) return;
  int r = static_cast<int>(std::min(row, selected_.size() - 1));
  if (!multi_) {
    SetItemIndex(r);
    return;
  }
  if (shift.ctrl) {
    selected_[static_cast<size_t>(r)] ^= 1;
    anchor_ = r;
  } else if (shift.shift) {
    int a = std::clamp(anchor_, 0, static_cast<int>(selected_.size()) - 1);
    std::fill(selected_.begin(), selected_.end(), 0);
    for (int i = std::min(a, r); i <= std::max(a, r); ++i) selected_[static_cast<size_t>(i)] = 1;
  } else {
    std::fill(selected_.begin(), selected_.end(), 0);
    selected_[static_cast<size_t>(r)] = 1;
    anchor_ = r;
  }
  caret_ = r;
}

std::vector<size_t> HeadlessListBox::SelectedRows() const {
  std::vector<size_t> rows;
  for (size_t i = 0; i < selected_.size(); ++i) {
    if (selected_[i] != 0) rows.push_back(i);
  }
  return rows;
}

void HeadlessApplication::ProcessMessages() {
  // Input delivered here may itself process messages; what is queued is delivered once.
  if (!hook_ || inHook_) return;
  struct Guard {
    bool& flag;
    ~Guard() { flag = false; }
  } guard{inHook_};
  inHook_ = true;
  hook_();
}

void HeadlessApplication::ReportException(std::string_view what) {
  if (exceptionSink_) {
    exceptionSink_(what);
    return;
  }
  std::fprintf(stderr, "exception: %.*s\n", static_cast<int>(what.size()), what.data());
}

std::unique_ptr<ControlPeer> HeadlessApplication::CreatePeer(TBevel&) {
  return std::make_unique<HeadlessControl>();
}
std::unique_ptr<TextPeer> HeadlessApplication::CreatePeer(TLabel&) {
  return std::make_unique<HeadlessText>();
}
std::unique_ptr<TextPeer> HeadlessApplication::CreatePeer(TButton&) {
  return std::make_unique<HeadlessText>();
}
std::unique_ptr<TextPeer> HeadlessApplication::CreatePeer(TStatusBar&) {
  return std::make_unique<HeadlessText>();
}
std::unique_ptr<ProgressBarPeer> HeadlessApplication::CreatePeer(TProgressBar&) {
  return std::make_unique<HeadlessProgressBar>();
}
std::unique_ptr<ControlPeer> HeadlessApplication::CreatePeer(TImage&) {
  return std::make_unique<HeadlessControl>();
}
std::unique_ptr<EditPeer> HeadlessApplication::CreatePeer(TEdit&) {
  return std::make_unique<HeadlessEdit>();
}
std::unique_ptr<EditPeer> HeadlessApplication::CreatePeer(TMemo& memo) {
  auto peer = std::make_unique<HeadlessEdit>();
  peer->SetText(memo.InitialText());
  return peer;
}
std::unique_ptr<ListBoxPeer> HeadlessApplication::CreatePeer(TListBox& list) {
  return std::make_unique<HeadlessListBox>(list.MultiSelect());
}
std::unique_ptr<RadioGroupPeer> HeadlessApplication::CreatePeer(TRadioGroup&) {
  return std::make_unique<HeadlessRadioGroup>();
}
std::unique_ptr<MenuItemPeer> HeadlessApplication::CreatePeer(TMenuItem&) {
  return std::make_unique<HeadlessMenuItem>();
}
std::unique_ptr<TimerPeer> HeadlessApplication::CreatePeer(TTimer& timer) {
  return std::make_unique<HeadlessTimer>(*this, timer);
}
std::unique_ptr<FormPeer> HeadlessApplication::CreatePeer(TForm& form) {
  forms_.push_back(&form);
  return std::make_unique<HeadlessForm>(form.Layout());
}

int HeadlessApplication::Shows(TForm& form) const {
  return static_cast<HeadlessForm&>(form.Peer()).Shows();
}

TForm* HeadlessApplication::MainWindow() const {
  for (TForm* form : forms_) {
    if (form->IsMainWindow()) return form;
  }
  return nullptr;
}

TForm* HeadlessApplication::FocusedWindow() const {
  return focus_ != nullptr ? &focus_->Owner() : MainWindow();
}

bool HeadlessApplication::Reachable(const TControl& control) {
  return control.Enabled() && control.Visible() && control.Owner().Visible();
}

void HeadlessApplication::PressRow(TListBox& list, size_t row, MouseButton button, ShiftState shift) {
  if (!Reachable(list)) return;
  // A left press focuses the list; right and middle presses leave the focus where it is.
  if (button == MouseButton::kLeft) focus_ = &list;
  static_cast<HeadlessListBox&>(list.Peer()).Press(row, button, shift);
  const int itemHeight = std::max(list.Layout().itemHeight, 1);
  const int y = static_cast<int>(std::min<size_t>(row, 100000)) * itemHeight + itemHeight / 2;
  Deliver(*this, [&] {
    if (list.OnMouseDown) list.OnMouseDown(button, shift, 2, y);
  });
  if (button == MouseButton::kLeft && list.Count() > 0) Deliver(*this, list.OnClick);
}

void HeadlessApplication::PickRadioItem(TRadioGroup& group, int index) {
  if (!Reachable(group)) return;
  focus_ = &group;
  if (index < 0 || index >= static_cast<int>(group.Items().size()) || index == group.ItemIndex()) return;
  group.SetItemIndex(index);
  Deliver(*this, group.OnClick);
}

void HeadlessApplication::ClickButton(TButton& button) {
  if (!Reachable(button)) return;
  focus_ = &button;
  Deliver(*this, button.OnClick);
}

void HeadlessApplication::TypeText(TEdit& edit, std::string_view cp932) {
  if (!Reachable(edit)) return;
  focus_ = &edit;
  if (!edit.ReadOnly()) edit.Peer().SetText(cp932);
}

void HeadlessApplication::ChooseMenuItem(TMenuItem& item) {
  Deliver(*this, item.OnClick);
}

void HeadlessApplication::PressKey(std::string_view key) {
  TForm* window = FocusedWindow();
  if (window == nullptr) return;
  // Menu shortcuts come before the focused control: first the focused window's menu, then the main window's.
  for (TForm* form : {window, MainWindow()}) {
    if (form == nullptr || form->Menu == nullptr) continue;
    if (TMenuItem* item = form->Menu->FindShortCut(key)) {
      ChooseMenuItem(*item);
      return;
    }
  }
  if (EqualsNoCase(key, "Esc")) {
    for (TControl* control : window->Controls()) {
      auto* button = dynamic_cast<TButton*>(control);
      if (button != nullptr && button->IsCancel() && Reachable(*button)) {
        Deliver(*this, button->OnClick);
        return;
      }
    }
  }
  // Any other key is the focused control's own; nothing here acts on it.
}

void HeadlessApplication::Focus(TControl& control) {
  if (Reachable(control)) focus_ = &control;
}

void HeadlessApplication::FocusWindow(TForm& form) {
  if (TControl* first = form.FirstInTabOrder()) focus_ = first;
}

void HeadlessApplication::DropFiles(TForm& form, std::vector<std::string> names) {
  Deliver(*this, [&] {
    if (form.OnDropFiles) form.OnDropFiles(names);
  });
}

void HeadlessApplication::ClickCloseBox(TForm& form) {
  Deliver(*this, [&] { form.Close(); });
}

void HeadlessApplication::Tick(int n) {
  for (int i = 0; i < n; ++i) {
    // A timer's handler may create or destroy timers: walk a copy.
    std::vector<TTimer*> timers = timers_;
    for (TTimer* timer : timers) {
      if (timer->Enabled()) Deliver(*this, timer->OnTimer);
    }
  }
}

}  // namespace tovir::kit
