// The texts the program says of what a reading could not read.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tovir {

// `message`, then the first thing it is about, then for more than one how many more ("... ほか2件").
std::string NamedCountText(std::string_view message, std::string_view first, size_t count);

}  // namespace tovir
