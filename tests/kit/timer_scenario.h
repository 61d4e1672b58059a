// A scenario both backends must survive: a timer whose handler destroys itself and another timer while the
// timers tick.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "kit/controls.h"
#include "kit/input.h"

namespace tovir::kit::test {

inline void TimersDestroyedWhileTheyTick(TForm& owner, Scriptable& input) {
  auto first = std::make_unique<TTimer>(owner, "First", 100);
  auto second = std::make_unique<TTimer>(owner, "Second", 100);
  int firstTicks = 0;
  int secondTicks = 0;
  // What the first timer's handler still holds after destroying its timer must stay valid.
  first->OnTimer = [&, held = std::make_shared<int>(1)] {
    first.reset();
    second.reset();
    firstTicks += *held;
  };
  second->OnTimer = [&] { ++secondTicks; };
  first->SetEnabled(true);
  second->SetEnabled(true);
  input.Tick(2);
  EXPECT_EQ(firstTicks, 1);
  EXPECT_EQ(secondTicks, 0);
}

}  // namespace tovir::kit::test
