// TForm2: the reading-progress window.
#include "forms/progress_window.h"

#include <string>

#include "base/messages.h"

namespace tovir {

namespace {

using kit::ControlLayout;

constexpr kit::Font kFont{msg::kFontPGothic, -12, kit::kShiftJisCharset, kit::Pitch::kDefault};

// Image2 to Image12 are moved onto Image1 when the window is created; their design places are out of the way.
constexpr ControlLayout Frame(std::string_view name, int left, int top) {
  return {.name = name, .left = left, .top = top, .width = 32, .height = 32};
}

constexpr ControlLayout kControls[] = {
    {.name = "BitBtn1",
     .left = 112,
     .top = 32,
     .width = 81,
     .height = 25,
     .caption = msg::kCancel,
     .fontColor = kit::kWindowText,
     .tabStop = true,
     .tabOrder = 0},
    Frame("Image1", 48, 29),
    Frame("Image2", 8, 61),
    Frame("Image3", 40, 61),
    Frame("Image4", 72, 61),
    Frame("Image5", 104, 61),
    Frame("Image6", 136, 61),
    Frame("Image7", 168, 61),
    Frame("Image8", 200, 61),
    Frame("Image9", 232, 61),
    Frame("Image10", 256, 0),
    Frame("Image11", 256, 32),
    Frame("Image12", 0, 0),
};

}  // namespace

const kit::FormLayout& TForm2::Design() {
  static const kit::FormLayout layout{
      .name = "Form2",
      .caption = msg::kProgressCaption,
      .left = 42,
      .top = 435,
      .width = 292,
      .height = 93,
      .clientSize = true,
      .borderStyle = kit::BorderStyle::kDialog,
      .borderIcons = kit::kSystemMenu,
      .stayOnTop = true,
      .font = &kFont,
      .color = kit::kBtnFace,
      .controls = kControls,
  };
  return layout;
}

TForm2::TForm2(kit::Application& app)
    : kit::TForm(app, Design(), false),
      BitBtn1(*this, "BitBtn1", kit::TButton::Kind::kCancel),
      Timer1(*this, "Timer1", kTimerInterval) {
  // Created from the bottom of the stack up, so that Image1 lies on top.
  for (int i = kFrames - 1; i >= 0; --i) {
    Images[static_cast<size_t>(i)] =
        std::make_unique<kit::TImage>(*this, "Image" + std::to_string(i + 1), i + 1);
  }
  BitBtn1.OnClick = [this] { BitBtn1Click(); };
  Timer1.OnTimer = [this] { Timer1Timer(); };
  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  FormCreate();
}

void TForm2::FormCreate() {
  // The frames lie on top of each other: the visible one with the lowest number is the one that shows.
  for (size_t i = 1; i < Images.size(); ++i) {
    Images[i]->SetTop(Images[0]->Top());
    Images[i]->SetLeft(Images[0]->Left());
  }
  Timer1.SetEnabled(true);
}

void TForm2::Timer1Timer() {
  ++AnimationStep;
  if (AnimationStep >= 1 && AnimationStep <= kFrames - 1) {
    Images[static_cast<size_t>(AnimationStep - 1)]->SetVisible(false);
  } else if (AnimationStep >= kFrames) {
    Images[kFrames - 1]->SetVisible(false);
    ResetAnimation();
  }
}

void TForm2::ResetAnimation() {
  AnimationStep = 0;
  for (auto& image : Images) image->SetVisible(true);
}

int TForm2::ShownFrame() const {
  for (size_t i = 0; i < Images.size(); ++i) {
    if (Images[i]->Visible()) return static_cast<int>(i) + 1;
  }
  return 0;
}

void TForm2::BitBtn1Click() {
  Close();
}

void TForm2::FormCloseQuery(bool& canClose) {
  if (readCancelled_ != nullptr) *readCancelled_ = 1;
  canClose = true;
}

}  // namespace tovir
