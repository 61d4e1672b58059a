// TForm2: the reading-progress window.
#include "forms/progress_window.h"

#include <string>

#include "base/messages.h"

namespace tovir {

TForm2::TForm2(kit::Application& app)
    : kit::TForm(app, Design::Dialog("Form2", msg::kProgressCaption, 292, 93, 42, 435, true)),
      Timer1(*this, "Timer1", kTimerInterval, [this] { Timer1Timer(); }) {
  for (int i = 0; i < kFrames; ++i) {
    Images[static_cast<size_t>(i)] = std::make_unique<kit::TImage>(*this, "Image" + std::to_string(i + 1));
  }
  Images[0]->SetLeft(48);
  Images[0]->SetTop(29);
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
