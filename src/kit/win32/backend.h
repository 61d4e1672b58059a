// The real windows as the program's entry sees them, without the system's headers: the application object,
// the input a script drives, and the message loop.
#pragma once

#include <memory>
#include <string_view>

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

// Throws kit::WindowError when the system will not make the program's windows.
std::unique_ptr<RealWindows> CreateRealWindows();

// Text a console program writes: to its standard output or error where it has one (redirected, or started
// from a console, whose window it then writes to), else in a message box titled `title`.
void ShowOutput(std::string_view cp932, bool error, std::string_view title);

}  // namespace tovir::kit::win32
