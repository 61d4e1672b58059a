// The reading-progress window's animation and close.
#include "forms/progress_window.h"

#include <gtest/gtest.h>

#include "kit/headless/headless_application.h"

namespace tovir {
namespace {

TEST(ProgressWindow, FramesAdvanceOnePerTickAndWrapAfterTwelve) {
  kit::HeadlessApplication app;
  TForm2 form(app);
  form.ResetAnimation();
  std::vector<int> shown{form.ShownFrame()};
  for (int tick = 0; tick < 25; ++tick) {
    app.Tick(1);
    shown.push_back(form.ShownFrame());
  }
  std::vector<int> expected;
  for (int k = 0; k <= 25; ++k) expected.push_back(k % 12 + 1);
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(form.AnimationStep, 1);
  for (int i = 1; i < 12; ++i) {
    EXPECT_EQ(form.Images[static_cast<size_t>(i)]->Left(), form.Images[0]->Left());
    EXPECT_EQ(form.Images[static_cast<size_t>(i)]->Top(), form.Images[0]->Top());
  }
}

TEST(ProgressWindow, EveryCloseAsksTheReadingToStop) {
  kit::HeadlessApplication app;
  TForm2 form(app);
  int cancelled = 0;
  form.SetCancelTarget(&cancelled);
  form.Show();
  form.BitBtn1Click();
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(cancelled, 1);
  cancelled = 0;
  form.Close();  // already hidden: the close still counts
  EXPECT_EQ(cancelled, 1);
}

}  // namespace
}  // namespace tovir
