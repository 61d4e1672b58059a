// The controls the windows are made of, named and shaped as the program's design names them. A control keeps
// what the program sets in memory; its backend peer shows it and owns what the user changes.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/string_list.h"
#include "kit/application.h"

namespace tovir::kit {

class TForm;

class TControl {
 public:
  TControl(TForm& owner, std::string name);
  virtual ~TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  const std::string& Name() const { return name_; }
  TForm& Owner() const { return owner_; }
  Application& App() const;

 private:
  TForm& owner_;
  std::string name_;
};

// A control whose only state is what the program sets: it tells its peer, if it has one, to show the change.
class TDisplayControl : public TControl {
 public:
  TDisplayControl(TForm& owner, std::string name);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

 protected:
  void Changed();

 private:
  std::unique_ptr<ControlPeer> peer_;
  bool visible_ = true;
};

class TLabel : public TDisplayControl {
 public:
  TLabel(TForm& owner, std::string name, std::string_view caption = {});
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);

 private:
  std::string caption_;
};

// The status line with one simple text.
class TStatusBar : public TDisplayControl {
 public:
  using TDisplayControl::TDisplayControl;
  const std::string& SimpleText() const { return text_; }
  void SetSimpleText(std::string_view text);

 private:
  std::string text_;
};

class TProgressBar : public TDisplayControl {
 public:
  using TDisplayControl::TDisplayControl;
  int Position() const { return position_; }
  void SetPosition(int position);

 private:
  int position_ = 0;
};

class TImage : public TDisplayControl {
 public:
  using TDisplayControl::TDisplayControl;
  int Left() const { return left_; }
  int Top() const { return top_; }
  void SetLeft(int left);
  void SetTop(int top);

 private:
  int left_ = 0;
  int top_ = 0;
};

class TMenuItem : public TDisplayControl {
 public:
  TMenuItem(TForm& owner, std::string name, bool checked = false);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

 private:
  bool checked_;
};

// A list box: its rows are data the window reads; selection flags and the focus row belong to the backend.
class TListBox : public TControl {
 public:
  enum class Selection { kSingle, kExtended };
  TListBox(TForm& owner, std::string name, StringList::Order order, Selection selection);

  bool Sorted() const { return items_.Sorted(); }
  bool MultiSelect() const { return selection_ == Selection::kExtended; }

  const StringList& Items() const { return items_; }
  size_t Count() const { return items_.Count(); }
  std::string_view operator[](size_t i) const { return items_[i]; }
  size_t Add(std::string_view text);
  void Clear();
  // For filling many rows at once: change Items through this, then call ItemsChanged once.
  StringList& MutableItems() { return items_; }
  void ItemsChanged();

  int ItemIndex() const { return peer_->ItemIndex(); }
  void SetItemIndex(int row) { peer_->SetItemIndex(row); }
  bool Selected(size_t row) const { return peer_->Selected(row); }
  void SetSelected(size_t row, bool selected) { peer_->SetSelected(row, selected); }
  void ClearSelection() { peer_->ClearSelection(); }
  void Repaint() { peer_->Repaint(); }

  ListBoxPeer& Peer() { return *peer_; }

 private:
  StringList items_;
  Selection selection_;
  std::unique_ptr<ListBoxPeer> peer_;
};

// A single-line edit; the text is the user's once the window shows it.
class TEdit : public TControl {
 public:
  TEdit(TForm& owner, std::string name);
  std::string Text() const { return peer_->Text(); }
  void SetText(std::string_view text) { peer_->SetText(text); }
  void Clear() { peer_->SetText({}); }

 private:
  std::unique_ptr<EditPeer> peer_;
};

class TRadioGroup : public TControl {
 public:
  TRadioGroup(TForm& owner, std::string name, std::vector<std::string> items, int itemIndex);
  const std::vector<std::string>& Items() const { return items_; }
  int ItemIndex() const { return peer_->ItemIndex(); }
  void SetItemIndex(int index) { peer_->SetItemIndex(index); }
  RadioGroupPeer& Peer() { return *peer_; }

 private:
  std::vector<std::string> items_;
  std::unique_ptr<RadioGroupPeer> peer_;
};

// A timer: the backend calls OnTimer every Interval milliseconds while it is enabled.
class TTimer : public TControl {
 public:
  TTimer(TForm& owner, std::string name, int intervalMs, std::function<void()> onTimer);
  ~TTimer() override;
  int Interval() const { return interval_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  void Fire() { onTimer_(); }

 private:
  int interval_;
  bool enabled_ = false;
  std::function<void()> onTimer_;
};

// A top-level window. Closing asks FormCloseQuery first; a closed window is hidden, and closing the main
// window ends the program.
class TForm {
 public:
  struct Design {
    std::string name;
    std::string caption;
    int width = 0;  // outer size, or client size when clientSize is set
    int height = 0;
    bool clientSize = false;
    bool dialogFrame = false;  // fixed-size dialog frame, else a sizeable frame
    bool stayOnTop = false;
    bool mainWindow = false;
    bool centerOnScreen = false;
    int left = 0;  // stored position, used until something places the window
    int top = 0;

    // A fixed-size dialog window given by its client size and stored position.
    static Design Dialog(std::string name, std::string_view caption, int clientWidth, int clientHeight,
                         int left, int top, bool stayOnTop);
  };

  TForm(Application& app, Design design);
  virtual ~TForm() = default;
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  Application& App() const { return app_; }
  const Design& GetDesign() const { return design_; }
  const std::string& Name() const { return design_.name; }

  int Left() const { return peer_->Bounds().left; }
  int Top() const { return peer_->Bounds().top; }
  int Width() const { return peer_->Bounds().width; }
  int Height() const { return peer_->Bounds().height; }
  void SetPosition(int left, int top) { peer_->SetPosition(left, top); }
  bool Visible() const { return peer_->Visible(); }
  void Show() { peer_->Show(); }
  void Hide() { peer_->Hide(); }
  void Repaint() { peer_->Repaint(); }
  FormPeer& Peer() { return *peer_; }
  // Places this window centred over `other`, by outer sizes; halves are truncated toward zero and the result
  // is not kept on the screen.
  void CenterOver(const TForm& other);

  // Runs FormCloseQuery; if the close is allowed, hides the window, or for the main window ends the program.
  void Close();
  virtual void FormCloseQuery(bool& canClose) { canClose = true; }

 private:
  Application& app_;
  Design design_;
  std::unique_ptr<FormPeer> peer_;
};

}  // namespace tovir::kit
