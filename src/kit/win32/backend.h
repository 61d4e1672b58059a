// The real windows as the program's entry sees them, without the system's headers: the application object,
// the input a script drives, and the message loop.
#pragma once

#include <memory>

#include "kit/application.h"
#include "kit/input.h"

namespace tovir::kit::win32 {

class RealWindows {
 public:
  virtual ~RealWindows() = default;
  virtual Application& App() = 0;
  virtual Scriptable& Input() = 0;
  // The message loop, until the main window closes.
  virtual void Run() = 0;
};

std::unique_ptr<RealWindows> CreateRealWindows();

}  // namespace tovir::kit::win32
