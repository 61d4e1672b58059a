// The controls the windows are made of.
#include "kit/controls.h"

#include <algorithm>
#include <exception>

#include "base/cp932.h"

namespace tovir::kit {

std::string Color::Name() const {
  switch (kind) {
    case Kind::kParent:
      return "";
    case Kind::kBtnFace:
      return "clBtnFace";
    case Kind::kWindow:
      return "clWindow";
    case Kind::kWindowText:
      return "clWindowText";
    case Kind::kRgb:
      break;
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string name = "#";
  for (int shift = 20; shift >= 0; shift -= 4) name += kHex[(rgb >> shift) & 15];
  return name;
}

const ControlLayout* FindLayout(const FormLayout& form, std::string_view name) {
  for (const ControlLayout& control : form.controls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

TComponent::TComponent(TForm& owner, std::string_view name) : owner_(owner), name_(name) {
  owner_.components_.push_back(this);
}

TComponent::~TComponent() {
  std::erase(owner_.components_, this);
}

Application& TComponent::App() const {
  return owner_.App();
}

namespace {

ControlLayout LayoutOf(const TForm& form, std::string_view name) {
  if (const ControlLayout* found = FindLayout(form.Layout(), name)) return *found;
  ControlLayout none;
  none.name = name;
  return none;
}

}  // namespace

TControl::TControl(TForm& owner, std::string_view name)
    : TComponent(owner, name),
      layout_(LayoutOf(owner, Name())),
      visible_(layout_.visible),
      enabled_(layout_.enabled) {
  owner.controls_.push_back(this);
}

TControl::~TControl() {
  std::erase(Owner().controls_, this);
}

Rect TControl::Bounds() const {
  Rect r{layout_.left, layout_.top, layout_.width, layout_.height};
  if (layout_.align == Align::kNone) return r;
  const TForm& form = Owner();
  for (const AlignedPlace& place :
       StackAligned(form, form.ClientWidth(), form.ClientHeight(), [](int pixels) { return pixels; })) {
    if (place.control == this) return place.bounds;
  }
  return r;
}

bool TControl::TakesInput() const {
  return enabled_ && visible_ && Owner().Visible() && Owner().Peer().Enabled();
}

void TControl::SetVisible(bool visible) {
  visible_ = visible;
  if (ControlPeer* peer = BasePeer()) peer->SetVisible(visible);
  if (visible) OnShown();
}

void TControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (ControlPeer* peer = BasePeer()) peer->SetEnabled(enabled);
}

void TControl::MoveTo(int left, int top) {
  layout_.left = left;
  layout_.top = top;
  if (ControlPeer* peer = BasePeer()) peer->SetBounds(Bounds());
}

TBevel::TBevel(TForm& owner, std::string_view name) : TControl(owner, name) {
  peer_ = App().CreatePeer(*this);
}

TLabel::TLabel(TForm& owner, std::string_view name) : TControl(owner, name), caption_(Layout().caption) {
  peer_ = App().CreatePeer(*this);
}

void TLabel::SetCaption(std::string_view caption) {
  caption_.assign(CutAtNul(caption));
  peer_->SetText(caption_);
}

TButton::TButton(TForm& owner, std::string_view name, Kind kind)
    : TControl(owner, name), caption_(Layout().caption), kind_(kind) {
  peer_ = App().CreatePeer(*this);
}

TStatusBar::TStatusBar(TForm& owner, std::string_view name) : TControl(owner, name) {
  peer_ = App().CreatePeer(*this);
}

void TStatusBar::SetSimpleText(std::string_view text) {
  text_.assign(CutAtNul(text));
  peer_->SetText(text_);
}

TProgressBar::TProgressBar(TForm& owner, std::string_view name) : TControl(owner, name) {
  peer_ = App().CreatePeer(*this);
}

void TProgressBar::SetPosition(int position) {
  position_ = std::clamp(position, 0, 100);
  if (position_ != shown_ && pacer_.Due()) Flush();
}

void TProgressBar::Flush() {
  shown_ = position_;
  peer_->SetPosition(position_);
}

TImage::TImage(TForm& owner, std::string_view name, int picture) : TControl(owner, name), picture_(picture) {
  peer_ = App().CreatePeer(*this);
}

TEdit::TEdit(TForm& owner, std::string_view name) : TControl(owner, name) {
  peer_ = App().CreatePeer(*this);
  peer_->SetText(Layout().caption);
}

TMemo::TMemo(TForm& owner, std::string_view name, std::string text)
    : TControl(owner, name), text_(std::move(text)) {
  peer_ = App().CreatePeer(*this);
}

TListBox::TListBox(TForm& owner, std::string_view name, StringList::Order order, Selection selection)
    : TControl(owner, name), items_(order), selection_(selection) {
  peer_ = App().CreatePeer(*this);
}

size_t TListBox::Add(std::string_view text) {
  size_t index = items_.Add(text);
  rowsPending_ = false;
  peer_->CountChanged(items_.Count());
  return index;
}

void TListBox::Clear() {
  items_.Clear();
  rowsPending_ = false;
  peer_->CountChanged(0);
}

void TListBox::ItemsChanged() {
  // A list that was refilled is a new list to the backend: selection and focus start afresh.
  rowsPending_ = false;
  pacer_.Restart();
  peer_->CountChanged(0);
  if (Count() > 0) peer_->CountChanged(Count());
}

void TListBox::RowsAdded() {
  rowsPending_ = true;
  if (pacer_.Due()) FlushRows();
}

void TListBox::FlushRows() const {
  if (!rowsPending_) return;
  rowsPending_ = false;
  peer_->CountChanged(Count());
}

TRadioGroup::TRadioGroup(TForm& owner, std::string_view name, std::vector<std::string> items, int itemIndex)
    : TControl(owner, name), caption_(Layout().caption), items_(std::move(items)) {
  peer_ = App().CreatePeer(*this);
  peer_->SetItemIndex(itemIndex);
}

TMenuItem::TMenuItem(TForm& owner, std::string_view name, std::string_view parent, std::string_view caption,
                     std::string_view shortcut, bool checked)
    : TComponent(owner, name),
      parent_(parent),
      caption_(caption),
      shortcut_(shortcut.empty() ? std::nullopt : Key::Parse(shortcut)),
      checked_(checked) {
  peer_ = App().CreatePeer(*this);
}

void TMenuItem::SetChecked(bool checked) {
  checked_ = checked;
  peer_->SetChecked(checked);
}

TMenu::TMenu(TForm& owner, std::string_view name, Kind kind) : TComponent(owner, name), kind_(kind) {}

TMenuItem& TMenu::Add(std::string_view name, std::string_view parent, std::string_view caption,
                      std::string_view shortcut, bool checked) {
  items_.push_back(std::make_unique<TMenuItem>(Owner(), name, parent, caption, shortcut, checked));
  return *items_.back();
}

TMenuItem* TMenu::Find(std::string_view name) const {
  for (const auto& item : items_) {
    if (item->Name() == name) return item.get();
  }
  return nullptr;
}

TMenuItem* TMenu::FindShortCut(const Key& key) const {
  for (const auto& item : items_) {
    if (item->ShortCut() == key) return item.get();
  }
  return nullptr;
}

TTimer::TTimer(TForm& owner, std::string_view name, int intervalMs)
    : TComponent(owner, name), interval_(intervalMs) {
  peer_ = App().CreatePeer(*this);
}

void TTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  peer_->SetEnabled(enabled);
}

Rect AutoSizedBounds(const Rect& design, TextAlign alignment, int width, int height) {
  Rect r{design.left, design.top, width, height};
  if (alignment == TextAlign::kRight) r.left = design.left + design.width - width;
  return r;
}

int NominalTextWidth(const Font& font, std::string_view cp932) {
  const int cell = font.height < 0 ? -font.height : font.height;
  if (cp932.empty()) return (cell + 1) / 2;  // one blank
  int width = 0;
  for (size_t i = 0; i < cp932.size(); ++i) {
    const bool wide = IsLeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size();
    width += wide ? cell : (cell + 1) / 2;
    if (wide) ++i;
  }
  return width;
}

FrameMetrics FrameMetrics::Classic(BorderStyle style) {
  return {style == BorderStyle::kDialog ? 3 : 4, 19, 19};
}

int ScaleToDpi(int designPixels, int dpi) {
  const long long product = static_cast<long long>(designPixels) * dpi;
  return static_cast<int>((product >= 0 ? product + 48 : product - 48) / 96);
}

Rect OuterBounds(const FormLayout& layout, const FrameMetrics& metrics, int screenWidth, int screenHeight,
                 int dpi) {
  Rect r{ScaleToDpi(layout.left, dpi), ScaleToDpi(layout.top, dpi), ScaleToDpi(layout.width, dpi),
         ScaleToDpi(layout.height, dpi)};
  if (layout.clientSize) {
    r.width += 2 * metrics.frame;
    r.height += 2 * metrics.frame + metrics.caption + (layout.hasMenu ? metrics.menuBar : 0);
  }
  if (layout.centerOnScreen) {
    r.left = (screenWidth - r.width) / 2;
    r.top = (screenHeight - r.height) / 2;
  }
  return r;
}

std::vector<AlignedPlace> StackAligned(const TForm& form, int clientWidth, int clientHeight,
                                       const std::function<int(int)>& scale) {
  std::vector<AlignedPlace> places;
  int top = 0;
  int bottom = clientHeight;
  for (TControl* c : form.Controls()) {
    const ControlLayout& l = c->Layout();
    if (l.align == Align::kNone) continue;
    const int height = scale(l.height);
    places.push_back({c, {0, l.align == Align::kTop ? top : bottom - height, clientWidth, height}});
    if (!c->Visible()) continue;
    if (l.align == Align::kTop) top += height;
    if (l.align == Align::kBottom) bottom -= height;
  }
  return places;
}

bool RouteKey(Application& app, TForm& window, TForm* mainWindow, const Key& key) {
  for (TForm* form : {&window, mainWindow}) {
    if (form == nullptr || form->Menu == nullptr) continue;
    if (form != &window && !form->Peer().Enabled()) continue;
    if (TMenuItem* item = form->Menu->FindShortCut(key)) {
      DeliverEvent(app, item->OnClick);
      return true;
    }
    if (form == mainWindow) break;
  }
  if (key == Key::Named(Key::Code::kEscape)) {
    for (TControl* control : window.Controls()) {
      auto* button = dynamic_cast<TButton*>(control);
      if (button != nullptr && button->IsCancel() && button->TakesInput()) {
        DeliverEvent(app, button->OnClick);
        break;
      }
    }
    return true;
  }
  return false;
}

TForm::TForm(Application& app, const FormLayout& layout, bool mainWindow)
    : app_(app), layout_(layout), name_(layout.name), mainWindow_(mainWindow) {
  peer_ = app_.CreatePeer(*this);
}

int TForm::ClientWidth() const {
  if (layout_.clientSize) return layout_.width;
  return layout_.width - 2 * FrameMetrics::Classic(layout_.borderStyle).frame;
}

int TForm::ClientHeight() const {
  if (layout_.clientSize) return layout_.height;
  const FrameMetrics m = FrameMetrics::Classic(layout_.borderStyle);
  return layout_.height - 2 * m.frame - m.caption - (layout_.hasMenu ? m.menuBar : 0);
}

const Font& TControl::DesignFont() const {
  return layout_.font != nullptr ? *layout_.font : *Owner().Layout().font;
}

TControl* TForm::FirstInTabOrder() const {
  TControl* first = nullptr;
  for (TControl* c : controls_) {
    if (!c->TabStop() || !c->Enabled() || !c->Visible()) continue;
    if (first == nullptr || c->Layout().tabOrder < first->Layout().tabOrder) first = c;
  }
  return first;
}

void TForm::CenterOver(const TForm& other) {
  Rect me = peer_->Bounds();
  Rect them = other.peer_->Bounds();
  peer_->SetPosition(them.left + (them.width - me.width) / 2, them.top + (them.height - me.height) / 2);
}

void TForm::Close() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(canClose);
  if (!canClose) return;
  peer_->Hide();
  if (mainWindow_) app_.Terminate();
}

TControl* TForm::FindControl(std::string_view name) const {
  for (TControl* c : controls_) {
    if (c->Name() == name) return c;
  }
  return nullptr;
}

}  // namespace tovir::kit
