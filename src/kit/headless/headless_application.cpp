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
    app_.timers_.emplace_back(&timer_, app_.nextTimerSerial_++);
  }
  ~HeadlessTimer() override {
    auto& timers = app_.timers_;
    std::erase_if(timers, [this](const auto& entry) { return entry.first == &timer_; });
  }
  void SetEnabled(bool) override {}

 private:
  HeadlessApplication& app_;
  TTimer& timer_;
};

HeadlessForm::HeadlessForm(const FormLayout& layout)
    : bounds_(OuterBounds(layout, FrameMetrics::Classic(layout.borderStyle),
                          HeadlessApplication::kScreenWidth, HeadlessApplication::kScreenHeight)) {}

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
  held_.Run();
}

void HeadlessApplication::ReportException(std::exception_ptr error) {
  if (exceptionSink_) {
    exceptionSink_(error);
    return;
  }
  std::fprintf(stderr, "exception: %s\n", ExceptionText(error).c_str());
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

std::optional<ShownControl> HeadlessApplication::Shown(const TControl& control) const {
  const auto* label = dynamic_cast<const TLabel*>(&control);
  if (label == nullptr || !label->AutoSize()) return std::nullopt;
  const Font& font = label->DesignFont();
  ShownControl shown;
  shown.bounds =
      AutoSizedBounds(label->Bounds(), label->Layout().alignment, NominalTextWidth(font, label->Caption()),
                      font.height < 0 ? -font.height : font.height);
  shown.visible = label->Visible();
  shown.fontName = std::string(font.name);
  shown.fontHeight = font.height;
  shown.fontCharset = font.charset;
  shown.fontPitch = font.pitch;
  return shown;
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

void HeadlessApplication::PressRow(TListBox& list, size_t row, MouseButton button, ShiftState shift) {
  if (!list.TakesInput()) return;
  // A left press focuses the list; right and middle presses leave the focus where it is.
  if (button == MouseButton::kLeft) focus_ = &list;
  static_cast<HeadlessListBox&>(list.Peer()).Press(row, button, shift);
  const int itemHeight = std::max(list.Layout().itemHeight, 1);
  const int y = static_cast<int>(std::min<size_t>(row, 100000)) * itemHeight + itemHeight / 2;
  Deliver(*this, [&] {
    if (list.OnMouseDown) list.OnMouseDown(button, shift, 2, y);
  });
  if (button == MouseButton::kLeft && list.Count() > 0) DeliverEvent(*this, list.OnClick);
}

void HeadlessApplication::PickRadioItem(TRadioGroup& group, int index) {
  if (!group.TakesInput()) return;
  focus_ = &group;
  if (index < 0 || index >= static_cast<int>(group.Items().size()) || index == group.ItemIndex()) return;
  group.SetItemIndex(index);
  DeliverEvent(*this, group.OnClick);
}

void HeadlessApplication::ClickButton(TButton& button) {
  if (!button.TakesInput()) return;
  focus_ = &button;
  DeliverEvent(*this, button.OnClick);
}

void HeadlessApplication::TypeText(TEdit& edit, std::string_view cp932) {
  if (!edit.TakesInput()) return;
  focus_ = &edit;
  if (!edit.ReadOnly()) edit.Peer().SetText(cp932);
}

void HeadlessApplication::ChooseMenuItem(TMenuItem& item) {
  DeliverEvent(*this, item.OnClick);
}

void HeadlessApplication::PressKey(const Key& key) {
  TForm* window = FocusedWindow();
  if (window == nullptr) return;
  // A key the routing does not take is the focused control's own; nothing here acts on it.
  RouteKey(*this, *window, MainWindow(), key);
}

void HeadlessApplication::Focus(TControl& control) {
  if (control.TakesInput()) focus_ = &control;
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
    // A timer's handler may create or destroy timers: the period ticks the timers that were there when it
    // began and are still there.
    const auto due = timers_;
    for (const auto& entry : due) {
      if (std::find(timers_.begin(), timers_.end(), entry) == timers_.end()) continue;
      if (entry.first->Enabled()) DeliverEvent(*this, entry.first->OnTimer);
    }
  }
}

}  // namespace tovir::kit
