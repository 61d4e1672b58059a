// The headless backend.
#include "kit/headless/headless_application.h"

#include <algorithm>
#include <cstdio>

namespace tovir::kit {

namespace {

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

}  // namespace

HeadlessForm::HeadlessForm(const TForm::Design& d) {
  bounds_.width = d.width;
  bounds_.height = d.height;
  if (d.clientSize) {
    // Windows' classic metrics: a dialog frame of 3 pixels, a sizeable frame of 4, a caption of 19.
    int frame = d.dialogFrame ? HeadlessApplication::kDialogFrame : HeadlessApplication::kDialogFrame + 1;
    bounds_.width += 2 * frame;
    bounds_.height += 2 * frame + HeadlessApplication::kCaptionHeight;
  }
  if (d.centerOnScreen) {
    bounds_.left = (HeadlessApplication::kScreenWidth - bounds_.width) / 2;
    bounds_.top = (HeadlessApplication::kScreenHeight - bounds_.height) / 2;
  } else {
    bounds_.left = d.left;
    bounds_.top = d.top;
  }
}

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

void HeadlessListBox::Press(size_t row, Button button, Keys keys) {
  if (selected_.empty() || button != Button::kLeft) return;
  int r = static_cast<int>(std::min(row, selected_.size() - 1));
  if (!multi_) {
    SetItemIndex(r);
    return;
  }
  if (keys == Keys::kCtrl) {
    selected_[static_cast<size_t>(r)] ^= 1;
    anchor_ = r;
  } else if (keys == Keys::kShift) {
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

std::unique_ptr<ControlPeer> HeadlessApplication::CreatePeer(TControl&) {
  return nullptr;
}

std::unique_ptr<ListBoxPeer> HeadlessApplication::CreatePeer(TListBox& list) {
  return std::make_unique<HeadlessListBox>(list.MultiSelect());
}

std::unique_ptr<EditPeer> HeadlessApplication::CreatePeer(TEdit&) {
  return std::make_unique<HeadlessEdit>();
}

std::unique_ptr<RadioGroupPeer> HeadlessApplication::CreatePeer(TRadioGroup&) {
  return std::make_unique<HeadlessRadioGroup>();
}

std::unique_ptr<FormPeer> HeadlessApplication::CreatePeer(TForm& form) {
  return std::make_unique<HeadlessForm>(form.GetDesign());
}

void HeadlessApplication::UnregisterTimer(TTimer& timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
}

void HeadlessApplication::Tick(int n) {
  for (int i = 0; i < n; ++i) {
    for (TTimer* timer : timers_) {
      if (timer->Enabled()) timer->Fire();
    }
  }
}

}  // namespace tovir::kit
