// The state and the layout of the program's windows as JSON lines, read through a backend's state view, so
// that in-memory windows and real ones give the same text.
#pragma once

#include <string>

#include "app/program.h"
#include "kit/application.h"

namespace tovir::driver {

// The whole state of the program as one line of JSON (no line end). Texts are CP932 decoded to UTF-8, or with
// `hex` the lowercase hex digits of their bytes.
std::string DumpState(Program& program, kit::StateView& view, bool hex);

// Every window with its frame and every control with its layout, as one line of JSON (no line end).
std::string DumpLayout(Program& program, kit::StateView& view, bool hex);

}  // namespace tovir::driver
