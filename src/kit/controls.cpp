// The controls the windows are made of.
#include "kit/controls.h"

namespace tovir::kit {

TControl::TControl(TForm& owner, std::string name) : owner_(owner), name_(std::move(name)) {}

Application& TControl::App() const {
  return owner_.App();
}

TDisplayControl::TDisplayControl(TForm& owner, std::string name) : TControl(owner, std::move(name)) {
  peer_ = App().CreatePeer(static_cast<TControl&>(*this));
}

void TDisplayControl::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

void TDisplayControl::Changed() {
  if (peer_) peer_->Changed();
}

TLabel::TLabel(TForm& owner, std::string name, std::string_view caption)
    : TDisplayControl(owner, std::move(name)), caption_(caption) {}

void TLabel::SetCaption(std::string_view caption) {
  caption_.assign(CutAtNul(caption));
  Changed();
}

void TStatusBar::SetSimpleText(std::string_view text) {
  text_.assign(CutAtNul(text));
  Changed();
}

void TProgressBar::SetPosition(int position) {
  position_ = position < 0 ? 0 : position > 100 ? 100 : position;
  Changed();
}

void TImage::SetLeft(int left) {
  left_ = left;
  Changed();
}

void TImage::SetTop(int top) {
  top_ = top;
  Changed();
}

TMenuItem::TMenuItem(TForm& owner, std::string name, bool checked)
    : TDisplayControl(owner, std::move(name)), checked_(checked) {}

void TMenuItem::SetChecked(bool checked) {
  checked_ = checked;
  Changed();
}

TListBox::TListBox(TForm& owner, std::string name, StringList::Order order, Selection selection)
    : TControl(owner, std::move(name)), items_(order), selection_(selection) {
  peer_ = App().CreatePeer(*this);
}

size_t TListBox::Add(std::string_view text) {
  size_t index = items_.Add(text);
  peer_->CountChanged(items_.Count());
  return index;
}

void TListBox::Clear() {
  items_.Clear();
  peer_->CountChanged(0);
}

void TListBox::ItemsChanged() {
  // A list that was refilled is a new list to the backend: selection and focus start afresh.
  peer_->CountChanged(0);
  if (!items_.Empty()) peer_->CountChanged(items_.Count());
}

TEdit::TEdit(TForm& owner, std::string name) : TControl(owner, std::move(name)) {
  peer_ = App().CreatePeer(*this);
}

TRadioGroup::TRadioGroup(TForm& owner, std::string name, std::vector<std::string> items, int itemIndex)
    : TControl(owner, std::move(name)), items_(std::move(items)) {
  peer_ = App().CreatePeer(*this);
  peer_->SetItemIndex(itemIndex);
}

TTimer::TTimer(TForm& owner, std::string name, int intervalMs, std::function<void()> onTimer)
    : TControl(owner, std::move(name)), interval_(intervalMs), onTimer_(std::move(onTimer)) {
  App().RegisterTimer(*this);
}

TTimer::~TTimer() {
  App().UnregisterTimer(*this);
}

TForm::Design TForm::Design::Dialog(std::string name, std::string_view caption, int clientWidth,
                                    int clientHeight, int left, int top, bool stayOnTop) {
  Design d;
  d.name = std::move(name);
  d.caption = std::string(caption);
  d.width = clientWidth;
  d.height = clientHeight;
  d.clientSize = true;
  d.dialogFrame = true;
  d.stayOnTop = stayOnTop;
  d.left = left;
  d.top = top;
  return d;
}

TForm::TForm(Application& app, Design design) : app_(app), design_(std::move(design)) {
  peer_ = app_.CreatePeer(*this);
}

void TForm::CenterOver(const TForm& other) {
  Rect me = peer_->Bounds();
  Rect them = other.peer_->Bounds();
  peer_->SetPosition(them.left + (them.width - me.width) / 2, them.top + (them.height - me.height) / 2);
}

void TForm::Close() {
  bool canClose = true;
  FormCloseQuery(canClose);
  if (!canClose) return;
  peer_->Hide();
  if (design_.mainWindow) app_.Terminate();
}

}  // namespace tovir::kit
