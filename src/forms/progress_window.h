// TForm2: the reading-progress window that stands over the main window while the full display reads, animates
// on its timer and offers Cancel.
#pragma once

#include <array>
#include <memory>

#include "kit/controls.h"

namespace tovir {

class TForm2 : public kit::TForm {
 public:
  static constexpr int kFrames = 12;
  static constexpr int kTimerInterval = 800;

  static const kit::FormLayout& Design();
  explicit TForm2(kit::Application& app);

  // Where a close of this window asks the running reading to stop (the main window's ReadCancelled).
  void SetCancelTarget(int* readCancelled) { readCancelled_ = readCancelled; }

  void FormCreate();
  void Timer1Timer();
  void BitBtn1Click();  // the Cancel button, also reached by Esc
  void FormCloseQuery(bool& canClose);

  // Back to frame 1: AnimationStep 0 and every image visible.
  void ResetAnimation();
  // The image that shows: the visible one with the lowest number (1 to 12), or 0 when none is.
  int ShownFrame() const;

  int AnimationStep = 0;
  // Image1 to Image12, in the order they stack: Image12 at the bottom, Image1 on top.
  std::array<std::unique_ptr<kit::TImage>, kFrames> Images;
  kit::TButton BitBtn1;
  kit::TTimer Timer1;

 private:
  int* readCancelled_ = nullptr;
};

}  // namespace tovir
